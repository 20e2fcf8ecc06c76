// The log viewer on a long log: the time to load 100,000 lines into the window and show them,
// and the time to take 1,000 lines appended to it. Run with QT_QPA_PLATFORM=offscreen (set
// here when unset) or under a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "logbrowse/log_browse_form.h"

namespace {

constexpr int kLines = 100000;
constexpr int kAppended = 1000;
const QString kRequest = QStringLiteral(R"(\SYSTEM\ERLOGS\\QuorvelII.log)");

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "logbrowse_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication application(argc, argv);
}

QByteArray LogLines(int first, int count) {
    QByteArray bytes;
    for (int i = first; i < first + count; ++i) {
        bytes += "000001  123:14:05:09.123456  PLX driver message number " + QByteArray::number(i) +
                 '\n';
    }
    return bytes;
}

// A program directory holding a log of `lines` lines.
std::unique_ptr<QTemporaryDir> ScratchLog(int lines) {
    auto scratch = std::make_unique<QTemporaryDir>();
    QDir(scratch->path()).mkpath("SYSTEM/ERLOGS");
    QFile file(scratch->path() + "/SYSTEM/ERLOGS/QuorvelII.Log");
    if (file.open(QIODevice::WriteOnly)) {
        file.write(LogLines(1, lines));
    }
    return scratch;
}

// Runs the event loop until the window has read everything and painted it; returns the
// longest single turn of the loop in milliseconds, the longest the window was unresponsive.
double SettleWindow(quorvel::TLogBrowseForm& form) {
    double longest = 0;
    QElapsedTimer turn;
    do {
        turn.start();
        QCoreApplication::processEvents();
        longest = std::max(longest, turn.nsecsElapsed() / 1e6);
    } while (form.Follower().CatchingUp());
    return longest;
}

void BM_Load100000Lines(benchmark::State& state) {
    EnsureApplication();
    const auto scratch = ScratchLog(kLines);
    double longestTurn = 0;
    for (auto _ : state) {
        quorvel::TLogBrowseForm form(kRequest, scratch->path());
        form.show();
        longestTurn = std::max(longestTurn, SettleWindow(form));
        benchmark::DoNotOptimize(form.Follower().State());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.counters["longest_turn_ms"] = longestTurn;
}
BENCHMARK(BM_Load100000Lines)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Take1000AppendedLines(benchmark::State& state) {
    EnsureApplication();
    const auto scratch = ScratchLog(kLines);
    quorvel::TLogBrowseForm form(kRequest, scratch->path());
    form.show();
    SettleWindow(form);
    QFile file(scratch->path() + "/SYSTEM/ERLOGS/QuorvelII.Log");
    int next = kLines + 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            file.write(LogLines(next, kAppended));
            file.close();
        }
        next += kAppended;
        state.ResumeTiming();
        form.Follower().Poll();
        SettleWindow(form);
    }
    state.SetItemsProcessed(state.iterations() * kAppended);
}
BENCHMARK(BM_Take1000AppendedLines)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

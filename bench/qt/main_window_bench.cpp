// The main window's close: the whole shut-down (settings saved with their backup, pages
// destroyed, end record) and the settings save alone, in a scratch program directory whose
// settings file holds all seven pages' sections; its start at a zoom, and a zoom step. The clock
// does not sleep, so the 50 ms wait of the shut-down is left out. Run with
// QT_QPA_PLATFORM=offscreen (set here when unset).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "diag/clock_source.h"
#include "diag/port_backend.h"
#include "diag/program_run.h"
#include "shell/ini_store.h"
#include "shell/settings_file.h"
#include "window/qt/main_form.h"
#include "window/qt/window_zoom.h"

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "main_window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication application(argc, argv);
}

// The system clock without its sleeps.
class NoWaitClock final : public quorvel::ClockSource {
public:
    std::int64_t Counter() override { return quorvel::SystemClock().Counter(); }
    std::int64_t CounterFrequency() override { return quorvel::SystemClock().CounterFrequency(); }
    quorvel::CalendarReading LocalCalendar() override {
        return quorvel::SystemClock().LocalCalendar();
    }
    void SleepMs(int) override {}
};

std::unique_ptr<quorvel::ProgramRun> QuietRun(NoWaitClock& clock) {
    quorvel::ProgramRunOptions options;
    options.clock = &clock;
    options.portBackend = [] { return std::unique_ptr<quorvel::PortBackend>(); };
    return std::make_unique<quorvel::ProgramRun>(std::move(options));
}

// A settings file with every page's section, the pages not built yet with their keys and
// types as the pages will keep them.
std::string SevenPageSettings() {
    using namespace quorvel;
    IniText text;
    const char* rf[] = {"Ratio",  "Frequency", "DishDiameter", "DishEfficiency", "Watts",
                        "Vswr",   "ResFreqL",  "ResFreqC",     "HorizonHeight",  "BitRate",
                        "Factor", "Extra1",    "Extra2"};
    for (const char* key : rf) {
        WriteIniReal(text, "RF", key, 1.25);
    }
    WriteIniBool(text, "RF", "Nrz", true);
    WriteIniUnsigned(text, "Number", "Base10Value", 10, 48879);
    WriteIniInt(text, "Number", "NumBits", 16);
    WriteIniInt(text, "Number", "ConvertBase", 16);
    WriteIniInt(text, "Number", "BitsToRotate", 3);
    WriteIniReal(text, "MathTrig", "TrigAngle", 0.5);
    WriteIniBool(text, "MathTrig", "TrigAngleRads", false);
    for (const char* key : {"TrigArc", "ExpXvalue", "ExpExpvalue", "DmsRad"}) {
        WriteIniReal(text, "MathTrig", key, 0.25);
    }
    for (const char* key : {"Yr", "Mo", "Dy", "Doy", "Tod", "Toy"}) {
        WriteIniReal(text, "DateTime", key, 2024.0);
    }
    for (const char* key :
         {"RefLlm0", "TgtLlm0", "RefLlm1", "TgtLlm1", "RefLlm2", "TgtLlm2", "MissDx3", "MissDy3"}) {
        WriteIniReal(text, "Wg84", key, 0.622929116);
    }
    for (const char* key :
         {"Nmi", "VectorXyzAry x", "VectorXyzAry y", "VectorXyzAry z", "Kts", "Gs"}) {
        WriteIniReal(text, "MiscCalc", key, 12.5);
    }
    for (const char* key : {"BitRate", "WordLength", "WordsPerMinor", "MinorsPerMajor", "StartWord",
                            "StopWord", "StartFrame", "StopFrame", "PrnLength"}) {
        WriteIniInt(text, "Pcm Data", key, 128);
    }
    WriteIniBool(text, "Pcm Data", "FspTrails", true);
    WriteIniInt(text, "MiscInfo", "ScreenPosX", 100);
    WriteIniInt(text, "MiscInfo", "ScreenPosY", 100);
    WriteIniInt(text, "MiscInfo", "PageControl", 0);
    return text.Text();
}

void WriteSettings(const QString& directory, const std::string& bytes) {
    QFile file(directory + QStringLiteral("/QuorvelII.Cfg"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

// Start, then close: only the close is timed.
void BM_WindowClose(benchmark::State& state) {
    EnsureApplication();
    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    const std::string settings = SevenPageSettings();
    NoWaitClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        WriteSettings(scratch.path(), settings);
        auto run = QuietRun(clock);
        auto window = std::make_unique<quorvel::TQuorvelMainForm>(*run);
        window->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->close();
        state.PauseTiming();
        window.reset();
        run.reset();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
    state.counters["file_bytes"] = static_cast<double>(settings.size());
}
BENCHMARK(BM_WindowClose)->Unit(benchmark::kMillisecond)->Iterations(50);

// A window started in a scratch program directory whose settings file holds all seven
// pages' sections, closed and left behind when it goes.
struct ShownWindow {
    ShownWindow() {
        EnsureApplication();
        QDir::setCurrent(scratch.path());
        WriteSettings(scratch.path(), SevenPageSettings());
        run = QuietRun(clock);
        window = std::make_unique<quorvel::TQuorvelMainForm>(*run);
        window->show();
        QCoreApplication::processEvents();
    }
    ~ShownWindow() {
        window->close();
        window.reset();
        QDir::setCurrent(previous);
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    NoWaitClock clock;
    std::unique_ptr<quorvel::ProgramRun> run;
    std::unique_ptr<quorvel::TQuorvelMainForm> window;
};

// The settings save of a started window, again and again: backup, then the new file.
void BM_WindowSaveSettings(benchmark::State& state) {
    ShownWindow shown;
    int x = 100;
    for (auto _ : state) {
        // A new place each time, so every save really changes the file.
        shown.window->move(++x % 400, 100);
        shown.window->SaveSettings(shown.window->SettingsPath());
    }
}
BENCHMARK(BM_WindowSaveSettings)->Unit(benchmark::kMillisecond)->Iterations(200);

// Start at the stored zoom (100 or 200 %): the window made, shown and its first events run.
void BM_WindowStartAtZoom(benchmark::State& state) {
    EnsureApplication();
    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    std::string settings = SevenPageSettings();
    settings += "Zoom=" + std::to_string(state.range(0)) + "\r\n";
    NoWaitClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        WriteSettings(scratch.path(), settings);
        auto run = QuietRun(clock);
        state.ResumeTiming();
        auto window = std::make_unique<quorvel::TQuorvelMainForm>(*run);
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window->close();
        window.reset();
        run.reset();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_WindowStartAtZoom)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(30);

// One step of the whole window's zoom and back, with every page made: 100 to 200 % and back,
// the layouts run after each.
void BM_ZoomStepAndBack(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state) {
        shown.window->WindowZoom().SetZoom(quorvel::Zoom::FromPercent(200));
        QCoreApplication::processEvents();
        shown.window->WindowZoom().SetZoom(quorvel::Zoom());
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ZoomStepAndBack)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

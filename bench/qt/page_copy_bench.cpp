// Ctrl+C on each page: the page's values as text (names and shown texts of its display list)
// and the copy onto the clipboard, on a shown page with the settings a fresh start gives. Run
// with QT_QPA_PLATFORM=offscreen (set here when unset).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <string>

#include "diag/clock_source.h"
#include "diag/port_backend.h"
#include "diag/program_run.h"
#include "pages/page_registry.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "window/qt/page_forms.h"

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "page_copy_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication application(argc, argv);
    // Whatever a page might write lands in a scratch directory, never in the caller's.
    static QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
}

// One page in a window of the main window's client size, shown, its program run silent.
class ShownPage {
public:
    explicit ShownPage(int tab) {
        quorvel::ProgramRunOptions options;
        options.portBackend = [] { return std::unique_ptr<quorvel::PortBackend>(); };
        m_run = std::make_unique<quorvel::ProgramRun>(std::move(options));
        m_window.resize(470, 413);
        auto* tabs = new quorvel::TTabControl(&m_window);
        tabs->setGeometry(m_window.rect());
        for (int i = 0; i < quorvel::kPageCount; ++i) {
            tabs->AddTab(QString::number(i));
        }
        tabs->SetTabIndex(tab);
        m_page = quorvel::CreatePageForm(tab, *tabs, *m_run);
        m_window.show();
        m_page->show();
        QApplication::processEvents();
    }

    quorvel::TPageForm& Page() { return *m_page; }

private:
    std::unique_ptr<quorvel::ProgramRun> m_run;
    QWidget m_window;
    quorvel::TPageForm* m_page = nullptr;
};

void BM_PageValuesText(benchmark::State& state) {
    EnsureApplication();
    ShownPage shown(static_cast<int>(state.range(0)));
    state.SetLabel(std::string(quorvel::PageAt(static_cast<int>(state.range(0))).identity.section));
    for (auto _ : state) {
        benchmark::DoNotOptimize(shown.Page().ValuesText());
    }
}

void BM_PageCopyToClipboard(benchmark::State& state) {
    EnsureApplication();
    ShownPage shown(static_cast<int>(state.range(0)));
    state.SetLabel(std::string(quorvel::PageAt(static_cast<int>(state.range(0))).identity.section));
    for (auto _ : state) {
        shown.Page().CopyValues();
        benchmark::DoNotOptimize(QApplication::clipboard()->text());
    }
}

BENCHMARK(BM_PageValuesText)->DenseRange(0, quorvel::kPageCount - 1);
BENCHMARK(BM_PageCopyToClipboard)->DenseRange(0, quorvel::kPageCount - 1);

}  // namespace

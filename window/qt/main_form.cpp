#include "window/qt/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <cstdio>
#include <exception>
#include <vector>

#include "common/qt/qt_text.h"
#include "common/qt/zoom_applier.h"
#include "common/whole_file.h"
#include "diag/program_run.h"
#include "shell/colour_scheme.h"
#include "shell/ini_store.h"
#include "shell/program_identity.h"
#include "shell/qt/about_box.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "shell/settings_save.h"
#include "shell/settings_text.h"
#include "shell/window_placement.h"
#include "window/qt/hardcopy.h"
#include "window/qt/page_forms.h"
#include "window/qt/window_zoom.h"

namespace quorvel {
namespace {

// The window the terminate handler shuts down. A terminate handler takes no arguments, so
// this one pointer is the way it finds the window.
TQuorvelMainForm* g_terminationWindow = nullptr;
std::terminate_handler g_previousTerminate = nullptr;

// The log code of the settings file's own messages (a save that failed, a link replaced).
constexpr int kSettingsFileCode = 1;

// True while a dialog, a message box or a popup menu runs an event loop of its own: the code
// that opened it is still on the stack below, inside a page.
bool NestedEventLoopRunning() {
    return QThread::currentThread()->loopLevel() > 1;
}

}  // namespace

TQuorvelMainForm::TQuorvelMainForm(ProgramRun& run, QWidget* parent)
    : QMainWindow(parent), m_run(run), m_ownUi(this, run) {
    setObjectName(QStringLiteral("TQuorvelMainForm"));
    setWindowTitle(QStringLiteral("Useful Calculator"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    // A fixed window: no maximise button, and the size of its contents.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    m_hardcopyItem = menu->addAction(tr("Hardcopy"));
    m_hardcopyItem->setObjectName(QStringLiteral("Hardcopy1"));
    m_aboutItem = menu->addAction(tr("About"));
    m_aboutItem->setObjectName(QStringLiteral("MenuAbout"));
    connect(m_hardcopyItem, &QAction::triggered, this, &TQuorvelMainForm::Hardcopy1Click);
    connect(m_aboutItem, &QAction::triggered, this, &TQuorvelMainForm::MenuAboutClick);
    m_zoom = new TWindowZoom(*this, *menu);
    setMenuBar(menu);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    // The panel sits at the bottom of the client area and keeps the toolkit's own colours
    // whatever colour the window takes.
    auto* panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("PanelScreen"));
    panel->setFrameShape(QFrame::NoFrame);
    const QRect panelArea(0, kClientHeight - kPanelScreenHeight, kClientWidth, kPanelScreenHeight);
    PlaceWidget(panel, panelArea);
    SetBackgroundColour(panel, QApplication::palette().color(QPalette::Window));
    m_panelScreen = panel;

    m_hardcopyImage = new QLabel(panel);
    m_hardcopyImage->setObjectName(QStringLiteral("HardcopyImage"));

    m_tabControl = new TTabControl(panel);
    // Both fill the panel, one over the other, at any zoom.
    auto* fill = new QGridLayout(panel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_hardcopyImage, 0, 0);
    fill->addWidget(m_tabControl, 0, 0);
    for (int tab = 0; tab < kPageCount; ++tab) {
        m_tabControl->AddTab(ToQString(PageAt(tab).identity.tab));
    }
    m_tabControl->raise();
    connect(m_tabControl, &TTabControl::Changed, this, &TQuorvelMainForm::TabControlChange);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

TQuorvelMainForm::~TQuorvelMainForm() {
    // A window destroyed without being closed still leaves its settings and end record.
    if (m_shownOnce && !m_shutDown) {
        ShutDown(false);
    }
    if (g_terminationWindow == this) {
        g_terminationWindow = nullptr;
        std::set_terminate(g_previousTerminate);
    }
}

void TQuorvelMainForm::FormCreate() {
    m_shownOnce = false;
}

void TQuorvelMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TQuorvelMainForm::FormShow() {
    if (m_shownOnce) {
        return;
    }
    // Set first, so that a start that failed halfway is not run a second time over the
    // pages it has already made.
    m_shownOnce = true;
    StartProgram();
}

void TQuorvelMainForm::StartProgram() {
    m_programFolder = Folder::WorkingDirectory(&m_programProblem);
    m_programDirectory = m_programFolder.Path();
    // The start record follows the first frame (see WriteStartRecord); a window that never
    // gets one (closed at once, or without a screen) writes it when it shuts down.
    if (QWindow* window = windowHandle(); window != nullptr && !window->isExposed()) {
        window->installEventFilter(this);
    } else {
        QMetaObject::invokeMethod(this, &TQuorvelMainForm::AfterFirstFrame, Qt::QueuedConnection);
    }

    g_terminationWindow = this;
    g_previousTerminate = std::set_terminate(&TQuorvelMainForm::OnAbnormalTermination);

    m_hardcopyCounter = 0;
    move(kStartLeft, kStartTop);

    // Every page's model is made now and reads its settings below; a page's form waits until
    // its tab is first shown, so a start builds only the page on view.
    for (int tab = 0; tab < kPageCount; ++tab) {
        m_pageModels[static_cast<std::size_t>(tab)] = CreatePageModel(tab, m_run);
    }

    ApplyColourScheme();

    m_settingsFile = FileAt(m_programFolder, std::string(kSettingsFileName));
    m_settingsPath = m_settingsFile.Shown();
    // A save cut short by a kill leaves its temporary files; the settings file and its backup
    // are whole all the same.
    if (m_programFolder.IsOpen()) {
        RemoveStaleTemporaries(m_settingsFile);
    }
    // Without a settings file nothing selects a page; the page of the selected tab is shown
    // all the same, rather than the pages created visible lying one over the other.
    if (!LoadSettings(m_settingsFile)) {
        ShowSelectedPage();
    }

    setWindowTitle(ToQString(kProgramWord) + ToQString(kCaptionInfix) + ToQString(kProgramVersion));
}

void TQuorvelMainForm::AfterFirstFrame() {
    WriteStartRecord();
    emit FirstFrameShown();
}

void TQuorvelMainForm::WriteStartRecord() {
    if (m_startRecordWritten) {
        return;
    }
    m_startRecordWritten = true;
    // The record takes the working directory as the program directory: the one the program
    // started in.
    m_programFolder.Enter();
    m_run.StartRecord(kProgramVersion, kProgramWord, kLogDirectory, kProgramWord);
    for (const std::string& notice : m_startNotices) {
        m_run.Report(notice, kSettingsFileCode);
    }
    m_startNotices.clear();
}

bool TQuorvelMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        // Queued, so that the frame is painted and on screen before the record is written.
        QMetaObject::invokeMethod(this, &TQuorvelMainForm::AfterFirstFrame, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TQuorvelMainForm::LoadSettings(const FileAt& file) {
    if (file.InFolder() && !file.ParentFolder().IsOpen()) {
        return false;
    }
    m_programFolder.Enter();
    // Read once, so that every page reads the same text.
    FileState state = FileState::Missing;
    const std::optional<std::string> bytes = ReadSettingsFile(file, state);
    if (!bytes) {
        if (state != FileState::Missing) {
            m_startNotices.push_back(file.Shown() + ": " + UnreadReason(state) +
                                     "; the pages start with their defaults, and the file is left "
                                     "as it is");
        }
        return false;
    }
    const IniText text(SettingsTextOf(*bytes));
    for (int tab = 0; tab < kPageCount; ++tab) {
        if (PageModel* model = PageModelAt(tab)) {
            model->LoadSettings(text);
        }
    }

    std::int32_t left = pos().x();
    std::int32_t top = pos().y();
    const bool readLeft = ReadIniInt(text, kHostSection, kScreenPosXKey, left);
    const bool readTop = ReadIniInt(text, kHostSection, kScreenPosYKey, top);
    RestorePlace(readLeft, left, readTop, top);
    // A missing or unreadable zoom is the designed size; one that would take the window off
    // its screen moves the window onto it.
    std::int32_t zoom = Zoom().Percent();
    ReadIniInt(text, kHostSection, kZoomKey, zoom);
    m_zoom->SetZoom(Zoom::FromPercent(zoom));

    // A tab index outside the tabs (a hand-edited file) keeps the tab already selected.
    std::int32_t tab = m_tabControl->TabIndex();
    if (ReadIniInt(text, kHostSection, kPageControlKey, tab)) {
        m_tabControl->SetTabIndex(tab);
    }

    ShowSelectedPage();
    return true;
}

void TQuorvelMainForm::RestorePlace(bool readLeft, std::int32_t left, bool readTop,
                                    std::int32_t top) {
    if (!readLeft && !readTop) {
        return;
    }
    // A place from which the window's title could not be reached (another monitor, a
    // hand-edited file) keeps the start place instead.
    const std::vector<ScreenArea> screens = ScreenAreas();
    if (PlacementReachable(left, top, frameGeometry().width(), screens)) {
        move(left, top);
    }
}

SettingsSaveResult TQuorvelMainForm::SaveSettings(const FileAt& file) {
    m_programFolder.Enter();
    // The same typed writes in the same order as into a freshly deleted file, so the text is
    // byte for byte what writing the file key by key gives.
    IniText text;
    for (int tab = 0; tab < kPageCount; ++tab) {
        if (const PageModel* model = PageModelAt(tab)) {
            model->SaveSettings(text);
        }
    }
    WriteIniInt(text, kHostSection, kScreenPosXKey, pos().x());
    WriteIniInt(text, kHostSection, kScreenPosYKey, pos().y());
    WriteIniInt(text, kHostSection, kPageControlKey, m_tabControl->TabIndex());
    WriteIniInt(text, kHostSection, kZoomKey, m_zoom->Current().Percent());

    SettingsSaveResult result;
    if (file.InFolder() && !file.ParentFolder().IsOpen()) {
        result.failure =
            "Your inputs were not saved: there is no program directory to keep them "
            "in (" +
            m_programProblem + ").";
    } else {
        result = SaveSettingsText(file, text.Text(), m_fileStepCheck);
    }
    // What the save did beyond the plain case (an older backup kept, a link replaced) is said
    // in the log, or where no log takes it on standard error.
    for (const std::string& note : result.notes) {
        m_run.Report(note, kSettingsFileCode);
    }
    if (!result.saved) {
        m_saveFailureLogged = m_run.Report(result.failure, kSettingsFileCode);
    }
    return result;
}

void TQuorvelMainForm::ShowSelectedPage() {
    for (TPageForm* page : m_pages) {
        if (page != nullptr) {
            page->hide();
        }
    }
    const int tab = m_tabControl->TabIndex();
    if (TPageForm* page = Page(tab)) {
        page->show();
        page->ShowValues();
    }
}

void TQuorvelMainForm::TabControlChange() {
    ShowSelectedPage();
}

void TQuorvelMainForm::ShutDown() {
    ShutDown(true);
}

void TQuorvelMainForm::ShutDown(bool askUser) {
    if (!m_shownOnce || m_shutDown) {
        return;
    }
    m_shutDown = true;
    WriteStartRecord();
    m_run.SetShuttingDown(true);
    m_run.Clock().SleepMs(50);
    const SettingsSaveResult saved = SaveSettings(m_settingsFile);
    if (!saved.saved) {
        // The user must know that the inputs of this run are not in the file, and so must
        // whoever started the program (the exit status).
        m_saveFailedAtClose = true;
        if (askUser) {
            m_ui->ShowMessage(saved.failure);
        } else if (m_saveFailureLogged) {
            std::fprintf(stderr, "%s: %s\n", std::string(kProgramWord).c_str(),
                         saved.failure.c_str());
        }
    }
    for (int tab = 0; tab < kPageCount; ++tab) {
        delete m_pages[static_cast<std::size_t>(tab)];
        m_pages[static_cast<std::size_t>(tab)] = nullptr;
        m_pageModels[static_cast<std::size_t>(tab)].reset();
    }
    m_run.EndRecord();
}

void TQuorvelMainForm::closeEvent(QCloseEvent* event) {
    if (NestedEventLoopRunning()) {
        event->ignore();
        RequestClose();
        return;
    }
    ShutDown();
    event->accept();
}

void TQuorvelMainForm::RequestClose() {
    if (!NestedEventLoopRunning()) {
        close();
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    while (QWidget* modal = QApplication::activeModalWidget()) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr || !dialog->isVisible()) {
            modal->close();
            break;
        }
        dialog->reject();
    }
    // Once the dialog's loop has returned and the command that opened it has finished, the
    // close is tried again.
    QMetaObject::invokeMethod(this, &TQuorvelMainForm::RequestClose, Qt::QueuedConnection);
}

void TQuorvelMainForm::OnAbnormalTermination() {
    static bool terminating = false;
    if (!terminating && g_terminationWindow != nullptr) {
        terminating = true;
        TQuorvelMainForm& window = *g_terminationWindow;
        try {
            window.WriteStartRecord();
            window.m_run.SoundError();
            window.m_run.LogLine(kAbnormalTerminationText, kAbnormalTerminationCode);
            window.ShutDown(false);
        } catch (...) {
            // Nothing more can be saved; the process ends below all the same.
        }
    }
    std::abort();
}

TPageForm* TQuorvelMainForm::Page(int tabIndex) {
    if (TPageForm* built = BuiltPage(tabIndex)) {
        return built;
    }
    return BuildPageForm(tabIndex);
}

TPageForm* TQuorvelMainForm::BuiltPage(int tabIndex) const {
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(tabIndex)];
}

PageModel* TQuorvelMainForm::PageModelAt(int tabIndex) {
    if (TPageForm* built = BuiltPage(tabIndex)) {
        return &built->Model();
    }
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    return m_pageModels[static_cast<std::size_t>(tabIndex)].get();
}

TPageForm* TQuorvelMainForm::BuildPageForm(int tabIndex) {
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    const auto slot = static_cast<std::size_t>(tabIndex);
    if (m_pages[slot] != nullptr || !m_pageModels[slot]) {
        return m_pages[slot];
    }
    TPageForm* page = CreatePageForm(tabIndex, *m_tabControl, m_run, std::move(m_pageModels[slot]));
    m_pages[slot] = page;
    if (page != nullptr) {
        ColourPage(*page);
    }
    return page;
}

void TQuorvelMainForm::ApplyColourScheme() {
    const FileAt options(m_programFolder, std::string(kOptionsFileName));
    if (const FileState state = LoadColourScheme(options, m_colourScheme);
        state == FileState::TooLarge) {
        m_startNotices.push_back(options.Shown() + ": " + UnreadReason(state) +
                                 "; the colours keep their defaults");
    }
    // "DeviceGuiLabelColor" is both the background of the window and its pages and the font
    // colour of the pages' main panels. A page whose form is built later is coloured then.
    SetBackgroundColour(centralWidget(), ToQColor(m_colourScheme.deviceGuiLabelColor));
    for (TPageForm* page : m_pages) {
        if (page != nullptr) {
            ColourPage(*page);
        }
    }
}

void TQuorvelMainForm::ColourPage(TPageForm& page) {
    const QColor label = ToQColor(m_colourScheme.deviceGuiLabelColor);
    const QColor panel = ToQColor(m_colourScheme.deviceGuiColor);
    const QColor data = ToQColor(m_colourScheme.deviceGuiDataColor);

    SetBackgroundColour(&page, BackgroundColour(centralWidget()));
    const PageColourTargets& targets = page.ColourTargets();
    for (std::string_view name : targets.mainPanels) {
        if (auto* widget = page.findChild<QWidget*>(ToQString(name))) {
            SetBackgroundColour(widget, panel);
        }
    }
    for (std::string_view name : targets.mainPanels) {
        if (auto* widget = page.findChild<QWidget*>(ToQString(name))) {
            SetFontColour(widget, label);
        }
    }
    for (std::string_view name : targets.headingLabels) {
        if (auto* widget = page.findChild<QWidget*>(ToQString(name))) {
            SetFontColour(widget, label);
        }
    }
    if (auto* reference = page.findChild<QWidget*>(ToQString(targets.referenceLabel));
        reference != nullptr && !targets.referenceLabel.empty()) {
        SetFontColour(reference, data);
    }
}

void TQuorvelMainForm::Hardcopy1Click() {
    TakeHardcopy(*this);
}

void TQuorvelMainForm::MenuAboutClick() {
    ShowAboutBox(this, m_run, kProgramWord, kProgramVersion, kProductTitle, kLogDirectory,
                 kProgramWord);
}

}  // namespace quorvel

#pragma once
// The main window: a fixed-size window whose client area (470 x 415 at the designed size, and
// as much larger as its zoom) is the tab control with the seven calculator pages, under a
// menu bar with "Hardcopy", "About" and "View". It owns the program's life: the first showing
// starts the program (start record, pages, colours, settings), a tab change shows the chosen
// page, and closing shuts the program down (settings saved with a backup, pages destroyed,
// end record).

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/folder.h"
#include "common/qt/qt_interaction.h"
#include "pages/page_registry.h"
#include "shell/colour_scheme.h"
#include "shell/settings_save.h"

class QAction;
class QLabel;

namespace quorvel {

class ProgramRun;
class TPageForm;
class TTabControl;
class TWindowZoom;

class TQuorvelMainForm final : public QMainWindow {
    Q_OBJECT
public:
    // The window's client area and the panel it holds.
    static constexpr int kClientWidth = 470;
    static constexpr int kClientHeight = 415;
    static constexpr int kPanelScreenHeight = 413;

    explicit TQuorvelMainForm(ProgramRun& run, QWidget* parent = nullptr);
    ~TQuorvelMainForm() override;

    // The start-up sequence, run by the first showing. The start record (error log, driver
    // check, speaker, which may open the sound device) is written as soon as the window's
    // first frame is on screen, so that the window does not wait for it; the program
    // directory it records is taken here, before anything else.
    void StartProgram();
    // Writes the start record now if it has not been written yet.
    void WriteStartRecord();
    bool StartRecordWritten() const { return m_startRecordWritten; }
    // The working directory when the program started, which every file is found relative to
    // ("" when it could not be had).
    const std::string& ProgramDirectory() const { return m_programDirectory; }
    // The same directory held open; every file the program writes is reached from it. Not
    // open when the working directory could not be had: nothing is then read or written.
    const Folder& ProgramFolder() const { return m_programFolder; }
    // Reads the pages' sections and the window's place and tab; false (and nothing read) when
    // the settings file cannot be read. A file that exists but cannot be read is noted for
    // the log.
    bool LoadSettings(const FileAt& file);
    // Builds the whole settings text in memory (every page's section, then the window's keys)
    // and replaces the file with it in one step, after the old file has been backed up to
    // ".BAK". A save that fails leaves the old file as it was and goes to the error log (to
    // the standard error stream where no log takes it); what it did is returned.
    SettingsSaveResult SaveSettings(const FileAt& file);
    // True when the close could not save the settings: the program then ends with status 1.
    bool SaveFailedAtClose() const { return m_saveFailedAtClose; }
    // Hides every page, then shows the page of the current tab and runs its ShowValues.
    void ShowSelectedPage();
    // The shut-down sequence; runs once, and only after a start. Settings that could not be
    // saved are also told to the user in a message box that names the file.
    void ShutDown();
    // Reads the colour scheme and colours the window, the pages and their main panels.
    void ApplyColourScheme();
    // The process's terminate handler while a started main window exists: error cue, log
    // line, shut-down, abnormal end.
    [[noreturn]] static void OnAbnormalTermination();

    // The form of the page at a tab index, built now if it has not been yet (a page's form is
    // built when its tab is first shown); nullptr outside the tabs, before the start and after
    // the shut-down.
    TPageForm* Page(int tabIndex);
    // The form of the page if it has been built, else nullptr.
    TPageForm* BuiltPage(int tabIndex) const;
    // The page's model, whether or not its form has been built; nullptr where Page is.
    PageModel* PageModelAt(int tabIndex);
    TTabControl* TabControl() const { return m_tabControl; }
    QWidget* PanelScreen() const { return m_panelScreen; }
    QLabel* HardcopyImage() const { return m_hardcopyImage; }
    // The window's zoom and its "View" menu.
    TWindowZoom& WindowZoom() const { return *m_zoom; }
    ProgramRun& Run() { return m_run; }
    const ColourScheme& Scheme() const { return m_colourScheme; }
    const std::string& SettingsPath() const { return m_settingsPath; }
    std::int32_t& HardcopyCounter() { return m_hardcopyCounter; }
    bool ShownOnce() const { return m_shownOnce; }

    // Where the window's own notices go: a message box over the window, unless a test hands
    // in an interaction of its own (which must outlive the window).
    void SetInteraction(Interaction& ui) { m_ui = &ui; }
    // Asked before each step of a settings save that changes the disk; tests cut saves short
    // with it.
    void SetFileStepCheck(FileStepCheck check) { m_fileStepCheck = std::move(check); }

signals:
    // The window's first frame is on screen (or, for a window that never shows one, its
    // start has ended): what the first frame need not wait for can be done now.
    void FirstFrameShown();

public slots:
    // Closes the window as its close box does. While a dialog or message box runs its own
    // event loop, that dialog is cancelled first and the close follows once the command
    // that opened it has finished.
    void RequestClose();

    void Hardcopy1Click();
    void MenuAboutClick();
    void TabControlChange();

protected:
    void showEvent(QShowEvent* event) override;    // FormShow
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    // Runs once the first frame is on screen: the start record, then FirstFrameShown.
    void AfterFirstFrame();
    void RestorePlace(bool readLeft, std::int32_t left, bool readTop, std::int32_t top);
    // The one place a page's form is made, over the model that has held the page until then:
    // whatever a form takes at creation (the colour scheme) it is given here.
    TPageForm* BuildPageForm(int tabIndex);
    // Gives one page's form the colour scheme: its background and the colours of its main
    // panels, headings and reference result label.
    void ColourPage(TPageForm& page);
    // The shut-down; `askUser` false where no message box may open (the window is being
    // destroyed, or the process ends abnormally): a failed save then goes to the standard
    // error stream besides the log.
    void ShutDown(bool askUser);

    ProgramRun& m_run;

    bool m_shownOnce = false;
    ColourScheme m_colourScheme;
    std::string m_settingsPath;
    std::int32_t m_hardcopyCounter = 0;

    std::string m_programDirectory;
    Folder m_programFolder;
    // Why there is no program folder, when there is none.
    std::string m_programProblem;
    FileAt m_settingsFile;
    // What the start found worth a log line before the log was open.
    std::vector<std::string> m_startNotices;
    bool m_saveFailedAtClose = false;
    bool m_saveFailureLogged = false;
    bool m_startRecordWritten = false;
    bool m_shutDown = false;
    // Each page is its model from the start to the shut-down; its form, once built, holds the
    // model and the model's slot here is empty.
    std::array<std::unique_ptr<PageModel>, kPageCount> m_pageModels;
    std::array<TPageForm*, kPageCount> m_pages{};
    QtInteraction m_ownUi;
    Interaction* m_ui = &m_ownUi;
    FileStepCheck m_fileStepCheck;

    QWidget* m_panelScreen = nullptr;
    TTabControl* m_tabControl = nullptr;
    QLabel* m_hardcopyImage = nullptr;
    QAction* m_hardcopyItem = nullptr;
    QAction* m_aboutItem = nullptr;
    TWindowZoom* m_zoom = nullptr;
};

}  // namespace quorvel

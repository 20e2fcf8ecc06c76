#pragma once
// "About": the box naming the program, its version and maker, with a button that starts the
// log viewer on the program's log file.

#include <QDialog>

#include <string>
#include <string_view>

#include "shell/child_process.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

class ProgramRun;

// Runs the About box modally over `owner` with the program's texts; the run supplies the
// program directory, the error cue and the error log. A log viewer started from the box ends
// when the box closes.
void ShowAboutBox(QWidget* owner, ProgramRun& run, std::string_view productName,
                  std::string_view version, std::string_view comments,
                  std::string_view logDirectory, std::string_view logName);

class TKelmorAboutBoxForm final : public QDialog {
    Q_OBJECT
public:
    // The box's client size.
    static constexpr int kClientWidth = 298;
    static constexpr int kClientHeight = 213;

    TKelmorAboutBoxForm(QWidget* owner, ProgramRun& run);
    // Ends a viewer that is still running.
    ~TKelmorAboutBoxForm() override;

    // Fills the box, runs it modally until it is closed, then ends the viewer it started.
    void ShowAboutBox(std::string_view productName, std::string_view version,
                      std::string_view comments, std::string_view logDirectory,
                      std::string_view logName);
    // The filling on its own: the labels' texts, and the log texts kept for "View Logs".
    void Fill(std::string_view productName, std::string_view version, std::string_view comments,
              std::string_view logDirectory, std::string_view logName);

    // Where the viewer is looked for when the program directory has none; the directory of
    // the running executable unless set.
    void SetViewerFallbackDirectory(std::string directory);
    // The viewer started last from this box; empty when none runs.
    const ChildProcess& Viewer() const { return m_viewer; }

public slots:
    // Ends a viewer started earlier and starts one on the log file.
    void ButtonLogBrowseClick();

protected:
    void showEvent(QShowEvent* event) override;  // FormShow

private:
    void FormShow();

    ProgramRun& m_run;
    std::string m_logDirectory;
    std::string m_logName;
    std::string m_fallbackDirectory;
    // Only one box is open at a time (it is modal) and each ends its viewer when it closes,
    // so at most one viewer started from here runs.
    ChildProcess m_viewer;

    QFrame* m_panel = nullptr;
    QLabel* m_programIcon = nullptr;
    QLabel* m_productName = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_address = nullptr;
    QLabel* m_phone = nullptr;
    QLabel* m_web = nullptr;
    QLabel* m_comments = nullptr;
    QPushButton* m_logBrowseButton = nullptr;
    QPushButton* m_okButton = nullptr;
};

}  // namespace quorvel

#pragma once
// The log viewer's window: the log read-only in a monospace view that follows the file as it
// grows, and a status line that says where the log is and how long it is, or what is wrong.
// The view stays at the bottom while the user is at the bottom; a user who has scrolled up
// keeps the place. Ctrl+Q and Escape close the window. Nothing is remembered between runs.

#include <QMainWindow>
#include <QString>

#include "logbrowse/log_follower.h"

class QLabel;
class QPlainTextEdit;

namespace quorvel {

class TLogBrowseForm : public QMainWindow {
    Q_OBJECT

public:
    // `text` is the path text from the command line (see log_path.h); the log is read at once
    // and then followed.
    TLogBrowseForm(const QString& text, const QString& workingDirectory, QWidget* parent = nullptr);

    LogFollower& Follower() { return m_follower; }

private:
    void LogCleared();
    void LogAppended(const QString& text);
    void ShowState();

    LogFollower m_follower;
    QPlainTextEdit* m_memoLog = nullptr;
    QLabel* m_labelStatus = nullptr;
    // The newline that ends the text shown so far, held back so that the view has no empty
    // last line; it goes in before the next text.
    bool m_pendingNewline = false;
};

}  // namespace quorvel

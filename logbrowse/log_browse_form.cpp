#include "logbrowse/log_browse_form.h"

#include <QAction>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>

#include "common/qt/fixed_pitch_font.h"

namespace quorvel {

TLogBrowseForm::TLogBrowseForm(const QString& text, const QString& workingDirectory,
                               QWidget* parent)
    : QMainWindow(parent), m_follower(text, workingDirectory) {
    setObjectName(QStringLiteral("LogBrowseForm"));
    resize(860, 520);

    m_memoLog = new QPlainTextEdit(this);
    m_memoLog->setObjectName(QStringLiteral("MemoLog"));
    m_memoLog->setReadOnly(true);
    m_memoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memoLog->setFont(
        FixedPitchFont(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF()));
    // The view only ever grows at the end; an undo history would keep a second copy of it.
    m_memoLog->document()->setUndoRedoEnabled(false);
    m_memoLog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setCentralWidget(m_memoLog);

    m_labelStatus = new QLabel(this);
    m_labelStatus->setObjectName(QStringLiteral("LabelStatus"));
    m_labelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_labelStatus, 1);

    auto* quit = new QAction(tr("Quit"), this);
    quit->setObjectName(QStringLiteral("ActionQuit"));
    // Spelled out: not every platform theme binds the standard Quit key.
    quit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::Key_Escape)});
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    connect(&m_follower, &LogFollower::Cleared, this, &TLogBrowseForm::LogCleared);
    connect(&m_follower, &LogFollower::Appended, this, &TLogBrowseForm::LogAppended);
    connect(&m_follower, &LogFollower::StateChanged, this, &TLogBrowseForm::ShowState);
    ShowState();
    m_follower.Start();
}

void TLogBrowseForm::LogCleared() {
    m_memoLog->clear();
    m_pendingNewline = false;
    ShowState();
}

void TLogBrowseForm::LogAppended(const QString& text) {
    QScrollBar* bar = m_memoLog->verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum();

    QString piece = text;
    if (m_pendingNewline) {
        piece.prepend(u'\n');
    }
    m_pendingNewline = piece.endsWith(u'\n');
    if (m_pendingNewline) {
        piece.chop(1);
    }
    // A cursor of its own, so the user's selection is left where it is.
    QTextCursor end(m_memoLog->document());
    end.movePosition(QTextCursor::End);
    end.insertText(piece);

    if (atBottom) {
        bar->setValue(bar->maximum());
    }
    ShowState();
}

void TLogBrowseForm::ShowState() {
    const LogLocation& location = m_follower.Location();
    const QString path = QDir::toNativeSeparators(location.path);
    setWindowTitle(location.fileName.isEmpty() ? QStringLiteral("LogBrowse") : location.fileName);
    QString status;
    switch (m_follower.State()) {
        case LogState::NoFile:
            status = m_follower.Text().trimmed().isEmpty()
                         ? tr("no log file named on the command line")
                         : tr("\"%1\" names no file").arg(m_follower.Text());
            break;
        case LogState::Waiting:
            status = tr("waiting for %1").arg(path);
            break;
        case LogState::Unreadable:
            status = tr("cannot read %1: %2").arg(path, m_follower.Problem());
            break;
        case LogState::Following: {
            const QTextDocument* document = m_memoLog->document();
            const int lines = document->isEmpty() && !m_pendingNewline ? 0 : document->blockCount();
            status = lines == 1 ? tr("%1 \u2014 1 line").arg(path)
                                : tr("%1 \u2014 %2 lines").arg(path).arg(lines);
            if (m_follower.CatchingUp()) {
                status += tr(" \u2014 reading\u2026");
            }
            break;
        }
    }
    m_labelStatus->setText(status);
}

}  // namespace quorvel

#pragma once
// Running the real window program as a process in a test: offscreen, waiting for its start
// and for what it says on standard error, ending it as a signal does, and running it as the
// unprivileged user "nobody" where the test runs as root.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quorvel::testing {

// The environment of a program without a display.
QProcessEnvironment OffscreenEnvironment();

// Waits until the program has written its start record into `log`, so its window is up.
bool WaitForStart(QProcess& process, const QString& log);

// Waits until the program's standard error holds `text`; `seen` collects what came.
bool WaitForError(QProcess& process, const QByteArray& text, QByteArray& seen);

// Ends the program as a signal does. A save that fails opens a message box, which a further
// signal closes, as it closes any dialog on the way out.
bool EndProgram(QProcess& program);

// The command that runs `program` as the unprivileged user "nobody", or an empty list (with
// the reason) where that cannot be done.
QStringList AsNobody(const QString& program, QString& reason);

// An environment in which "nobody" can run a window: its home is `home`.
QProcessEnvironment NobodyEnvironment(const QString& home);

// How a case runs a program: `command` and its arguments, with its environment, as the
// running user or as "nobody" in `directory`. The command is empty (with the reason) where
// running as nobody cannot be done.
struct Launch {
    QStringList command;
    QProcessEnvironment environment;
    QString skipReason;
};

Launch LaunchIn(const QString& directory, bool asNobody, const QStringList& command);

}  // namespace quorvel::testing

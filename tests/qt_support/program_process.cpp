#include "qt_support/program_process.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>

namespace quorvel::testing {

namespace {

constexpr int kPatienceMs = 30000;
constexpr int kStepMs = 20;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

bool WaitForStart(QProcess& process, const QString& log) {
    for (int waited = 0; waited < kPatienceMs; waited += kStepMs) {
        if (ReadAll(log).contains("Program Version 2.05")) {
            return true;
        }
        if (process.state() == QProcess::NotRunning) {
            return false;
        }
        process.waitForFinished(kStepMs);  // returns early only if the program ends
    }
    return false;
}

bool WaitForError(QProcess& process, const QByteArray& text, QByteArray& seen) {
    for (int waited = 0; waited < kPatienceMs; waited += kStepMs) {
        seen += process.readAllStandardError();
        if (seen.contains(text)) {
            return true;
        }
        if (process.state() == QProcess::NotRunning) {
            return false;
        }
        process.waitForReadyRead(kStepMs);
    }
    return false;
}

bool EndProgram(QProcess& program) {
    // A further signal is sent only when the program has had time to close: one that came
    // while the program was already on its way out, its handler gone, would kill it (seen
    // under the sanitizers on a loaded machine, where the way out takes over 200 ms).
    constexpr int kResendMs = 1000;
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    for (int waited = 0; waited < kPatienceMs; waited += kResendMs) {
        if (program.waitForFinished(kResendMs)) {
            return true;
        }
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    }
    return false;
}

QStringList AsNobody(const QString& program, QString& reason) {
    if (::geteuid() != 0) {
        reason = QStringLiteral("not running as root, so no other user can be taken");
        return {};
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty() || ::getpwnam("nobody") == nullptr) {
        reason = QStringLiteral("no setpriv or no user nobody on this machine");
        return {};
    }
    return {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", program};
}

QProcessEnvironment NobodyEnvironment(const QString& home) {
    QProcessEnvironment environment = OffscreenEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    return environment;
}

Launch LaunchIn(const QString& directory, bool asNobody, const QStringList& command) {
    Launch launch{command, OffscreenEnvironment(), {}};
    if (asNobody) {
        launch.command = AsNobody(command.front(), launch.skipReason);
        if (launch.command.isEmpty()) {
            return launch;
        }
        launch.command.append(command.mid(1));
        launch.environment = NobodyEnvironment(directory);
    }
    return launch;
}

}  // namespace quorvel::testing

// The real program as a process: started in a scratch directory, ended by a signal, and the
// files it leaves behind; a read-only program directory; an uncaught exception.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <exception>

#include "qt_support/window_fixture.h"
#include "shell/qt/main_form.h"

namespace quorvel {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

const QString kProgram = QStringLiteral(QUORVEL_BINARY_DIR "/QuorvelII");
const QByteArray kEndLine = "------------------PROGRAM END--------------------";

QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// Waits until the program has written its start record into `log`, so its window is up.
bool WaitForStart(QProcess& process, const QString& log) {
    for (int waited = 0; waited < 30000; waited += 20) {
        if (ReadFileBytes(log).contains("Program Version 2.05")) {
            return true;
        }
        if (process.state() == QProcess::NotRunning) {
            return false;
        }
        process.waitForFinished(20);  // returns early only if the program ends
    }
    return false;
}

class ProgramProcessTest : public QObject {
    Q_OBJECT

private slots:
    void signalsCloseTheWindowLikeItsCloseBox_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalsCloseTheWindowLikeItsCloseBox() {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        const QByteArray before =
            "[MiscInfo]\r\nScreenPosX=120\r\nScreenPosY=110\r\nPageControl=4\r\n[Old]\r\nA=1\r\n";
        WriteFileBytes(dir.filePath(QStringLiteral("QuorvelII.Cfg")), before);

        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(OffscreenEnvironment());
        program.start(kProgram, {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QVERIFY(WaitForStart(program, dir.filePath(QStringLiteral("QuorvelII.Log"))));

        ::kill(static_cast<pid_t>(program.processId()), signalNumber);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Cfg.BAK"))), before);
        const QByteArray after = ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Cfg")));
        QVERIFY(after.contains("ScreenPosX=120\r\nScreenPosY=110\r\nPageControl=4\r\n"));
        QVERIFY(!after.contains("[Old]"));
        const QByteArray log = ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Log")));
        QVERIFY2(log.trimmed().endsWith(kEndLine), log.constData());
        // The program directory is where it was started, not where the program file is.
        QVERIFY(!QFile::exists(QStringLiteral(QUORVEL_BINARY_DIR "/QuorvelII.Cfg.BAK")) ||
                QStringLiteral(QUORVEL_BINARY_DIR) == dir.path());
    }

    void readOnlyProgramDirectoryKeepsTheOldSettings() {
        // Root may write anywhere; the program then runs as the unprivileged "nobody".
        QStringList command{kProgram};
        if (::geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty()) {
                QSKIP("running as root without setpriv to drop the privilege");
            }
            command =
                QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", kProgram};
        }
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("QuorvelII.Cfg"));
        const QByteArray before = "[MiscInfo]\r\nScreenPosX=130\r\nPageControl=2\r\n";
        WriteFileBytes(settings, before);
        // The log directory stays writable, so the run can be followed.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("SYSTEM/ERLOGS")));
        const QString logDir = dir.filePath(QStringLiteral("SYSTEM/ERLOGS"));
        ::chmod(QFile::encodeName(logDir).constData(), 0777);
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("SYSTEM"))).constData(), 0755);
        ::chmod(QFile::encodeName(settings).constData(), 0444);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0555);

        QProcess program;
        program.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = OffscreenEnvironment();
        environment.insert(QStringLiteral("HOME"), dir.path());
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        program.setProcessEnvironment(environment);
        program.start(command.takeFirst(), command);
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        const QString log = logDir + QStringLiteral("/QuorvelII.Log");
        const bool started = WaitForStart(program, log);
        if (started) {
            ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        }
        QVERIFY(program.waitForFinished(30000));
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        QVERIFY2(started, program.readAllStandardError().constData());

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(ReadFileBytes(settings), before);
        QVERIFY(!QFile::exists(settings + ".BAK"));
        QVERIFY(ReadFileBytes(log).trimmed().endsWith(kEndLine));
    }

    void uncaughtExceptionSavesSettingsAndEndsTheRunAbnormally() {
        QTemporaryDir dir;
        QProcess child;
        child.setProcessEnvironment(OffscreenEnvironment());
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--terminate-in"), dir.path()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QByteArray log = ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Log")));
        const qsizetype abnormal = log.indexOf("Abnormal Program Termination");
        QVERIFY2(abnormal > 0, log.constData());
        QVERIFY(log.lastIndexOf("5000", abnormal) > log.lastIndexOf('\n', abnormal));
        QVERIFY(log.indexOf(kEndLine) > abnormal);
        QVERIFY(ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Cfg")))
                    .contains("[MiscInfo]\r\nScreenPosX=100\r\n"));
    }
};

// The child of the last case: the window starts in `directory`, then an exception finds no
// handler.
int TerminateInside(int argc, char** argv, const char* directory) {
    QApplication app(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(directory));
    testing::QuietRun quiet;
    TQuorvelMainForm window(quiet.Run());
    window.show();
    std::terminate();
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--terminate-in") == 0) {
        return quorvel::TerminateInside(1, argv, argv[2]);
    }
    QApplication app(argc, argv);
    quorvel::ProgramProcessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_process_test.moc"

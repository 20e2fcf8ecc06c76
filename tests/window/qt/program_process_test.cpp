// The real program as a process: started in a scratch directory, ended by a signal, and the
// files it leaves behind; killed at many points of its close; a read-only program directory;
// links planted in the program directory, as root and as an unprivileged user; an uncaught
// exception.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <exception>
#include <thread>

#include "qt_support/program_process.h"
#include "qt_support/window_fixture.h"
#include "shell/ini_text_engine.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::EndProgram;
using testing::NobodyEnvironment;
using testing::OffscreenEnvironment;
using testing::ReadFileBytes;
using testing::WaitForError;
using testing::WaitForStart;
using testing::WriteFileBytes;

const QString kProgram = QStringLiteral(QUORVEL_BINARY_DIR "/QuorvelII");
const QByteArray kEndLine = "------------------PROGRAM END--------------------";

// Every entry of `reference` is in `text`.
bool Complete(const QByteArray& text, const QByteArray& reference) {
    for (const ini::EntryName& entry : ini::EntryNames(reference.toStdString())) {
        if (!ini::FindValue(text.toStdString(), entry.section, entry.key)) {
            return false;
        }
    }
    return !reference.isEmpty();
}

// Runs the program once in `directory` and ends it normally.
bool NormalRun(const QString& directory) {
    // The start is seen in the log, which the start empties: an older log must not count.
    QFile::remove(directory + QStringLiteral("/QuorvelII.Log"));
    QProcess program;
    program.setWorkingDirectory(directory);
    program.setProcessEnvironment(OffscreenEnvironment());
    program.start(kProgram, {});
    return program.waitForStarted() &&
           WaitForStart(program, directory + QStringLiteral("/QuorvelII.Log")) &&
           EndProgram(program) && program.exitCode() == 0;
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

    void initTestCase() {
        // The settings file a normal close writes, with every key the program keeps.
        QTemporaryDir dir;
        QVERIFY(NormalRun(dir.path()));
        m_saved = ReadFileBytes(dir.filePath(QStringLiteral("QuorvelII.Cfg")));
        QVERIFY(m_saved.contains("[MiscInfo]"));
    }

    // SIGTERM, then SIGKILL a little later, at moments before, during and after the save: a
    // complete copy of the last good settings is always left, and so it is after the next
    // normal run, whose backup never holds less than the file did.
    void killDuringTheCloseLeavesACompleteCopy_data() {
        QTest::addColumn<int>("killAfterMs");
        for (int ms : {0, 20, 45, 50, 52, 54, 56, 58, 60, 63, 66, 70, 80, 120}) {
            QTest::newRow(qPrintable(QString::number(ms) + " ms")) << ms;
        }
    }

    void killDuringTheCloseLeavesACompleteCopy() {
        QFETCH(int, killAfterMs);
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("QuorvelII.Cfg"));
        const QString backup = settings + ".BAK";
        // The last good file, with a section the program no longer writes: the close writes
        // the file anew and backs it up.
        const QByteArray good = m_saved + "[Old]\r\nA=1\r\n";
        WriteFileBytes(settings, good);

        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(OffscreenEnvironment());
        program.start(kProgram, {});
        QVERIFY(program.waitForStarted());
        QVERIFY(WaitForStart(program, dir.filePath(QStringLiteral("QuorvelII.Log"))));
        const pid_t pid = static_cast<pid_t>(program.processId());
        ::kill(pid, SIGTERM);
        std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs));
        ::kill(pid, SIGKILL);
        QVERIFY(program.waitForFinished(30000));

        const QByteArray file = ReadFileBytes(settings);
        QVERIFY2(file == good || file == m_saved, file.constData());
        QVERIFY(Complete(file, m_saved));
        const QByteArray backedUp = ReadFileBytes(backup);
        QVERIFY(!QFile::exists(backup) || backedUp == good);

        QVERIFY(NormalRun(dir.path()));
        QCOMPARE(ReadFileBytes(settings), m_saved);
        QCOMPARE(ReadFileBytes(backup), file);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{QStringLiteral("QuorvelII.Cfg"), QStringLiteral("QuorvelII.Cfg.BAK"),
                              QStringLiteral("QuorvelII.Log")}));
    }

    // Links planted in a program directory that others may write to: a link as backup and as
    // log, pointing at files the running user may write. Nothing is written through them;
    // the refused log is reported on standard error.
    void linksInTheProgramDirectoryAreNeverWrittenThrough_data() {
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("as the running user") << false;
        QTest::newRow("as nobody") << true;
    }

    void linksInTheProgramDirectoryAreNeverWrittenThrough() {
        QFETCH(bool, asNobody);
        QTemporaryDir dir;
        const testing::Launch launch = testing::LaunchIn(dir.path(), asNobody, {kProgram});
        if (launch.command.isEmpty()) {
            QSKIP(qPrintable(launch.skipReason));
        }
        // Writable by anybody, without the sticky bit: anybody may replace anything in it.
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
        const QString victim = dir.filePath(QStringLiteral("elsewhere/victim"));
        WriteFileBytes(victim, "precious\n");
        ::chmod(QFile::encodeName(victim).constData(), 0666);
        const QString settings = dir.filePath(QStringLiteral("QuorvelII.Cfg"));
        const QByteArray good = m_saved + "[Old]\r\nA=1\r\n";
        WriteFileBytes(settings, good);
        ::chmod(QFile::encodeName(settings).constData(), 0666);
        QVERIFY(QFile::link(victim, settings + ".BAK"));
        const QString log = dir.filePath(QStringLiteral("QuorvelII.Log"));
        QVERIFY(QFile::link(victim, log));

        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(launch.environment);
        program.start(launch.command.front(), launch.command.mid(1));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QByteArray errors;
        // Without a log directory the log lies in the program directory.
        QVERIFY2(WaitForError(program, "/QuorvelII.Log refused: it is a symbolic link", errors),
                 errors.constData());
        QVERIFY(EndProgram(program));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadFileBytes(victim), QByteArray("precious\n"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("elsewhere"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("victim")});
        QVERIFY(!QFileInfo(settings + ".BAK").isSymLink());
        QCOMPARE(ReadFileBytes(settings + ".BAK"), good);
        QCOMPARE(ReadFileBytes(settings), m_saved);
        QVERIFY(QFileInfo(log).isSymLink());
    }

    void readOnlyProgramDirectoryKeepsTheOldSettings() {
        // Root may write anywhere; the program then runs as the unprivileged "nobody".
        QTemporaryDir dir;
        const testing::Launch launch = testing::LaunchIn(dir.path(), ::geteuid() == 0, {kProgram});
        if (launch.command.isEmpty()) {
            QSKIP(qPrintable(launch.skipReason));
        }
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
        program.setProcessEnvironment(NobodyEnvironment(dir.path()));
        program.start(launch.command.front(), launch.command.mid(1));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        const QString log = logDir + QStringLiteral("/QuorvelII.Log");
        const bool started = WaitForStart(program, log);
        const bool ended = started ? EndProgram(program) : program.waitForFinished(30000);
        QVERIFY(ended);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        QVERIFY2(started, program.readAllStandardError().constData());

        // The inputs of the run are lost: the exit status says so.
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(ReadFileBytes(settings), before);
        QVERIFY(!QFile::exists(settings + ".BAK"));
        // The user and the log are told that the inputs were not saved.
        const QByteArray lines = ReadFileBytes(log);
        QVERIFY2(lines.contains("Your inputs were not saved to " + QFile::encodeName(settings)),
                 lines.constData());
        QVERIFY(lines.trimmed().endsWith(kEndLine));
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

private:
    QByteArray m_saved;
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

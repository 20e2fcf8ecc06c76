// The real program as a process, in program directories set up to make it write elsewhere:
// a log folder that is a link, a log file with another name, a program directory deleted
// before the start; and a close that cannot save. Each runs as the running user and, under
// root, as "nobody" as well.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "qt_support/program_process.h"
#include "qt_support/window_fixture.h"

namespace quorvel {
namespace {

using testing::EndProgram;
using testing::Launch;
using testing::LaunchIn;
using testing::ReadFileBytes;
using testing::WaitForError;
using testing::WaitForStart;
using testing::WriteFileBytes;

const QString kProgram = QStringLiteral(QUORVEL_BINARY_DIR "/QuorvelII");
const QByteArray kEndLine = "------------------PROGRAM END--------------------";

void Chmod(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

class ProgramFilesProcessTest : public QObject {
    Q_OBJECT

private slots:
    void linkedLogFolderOrLinkedLogIsNeverWrittenThrough_data() {
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<QString>("planted");
        for (const bool asNobody : {false, true}) {
            const QString who = asNobody ? QStringLiteral("nobody") : QStringLiteral("user");
            for (const QString& planted :
                 {QStringLiteral("SYSTEM"), QStringLiteral("SYSTEM/ERLOGS"),
                  QStringLiteral("hard link")}) {
                QTest::newRow(qPrintable(who + ", " + planted)) << asNobody << planted;
            }
        }
    }

    // The victim is a log-like file elsewhere that anybody may write; the program directory
    // is writable by anybody, so anybody could have planted the link.
    void linkedLogFolderOrLinkedLogIsNeverWrittenThrough() {
        QFETCH(bool, asNobody);
        QFETCH(QString, planted);
        QTemporaryDir dir;
        const Launch launch = LaunchIn(dir.path(), asNobody, {kProgram});
        if (launch.command.isEmpty()) {
            QSKIP(qPrintable(launch.skipReason));
        }
        Chmod(dir.path(), 0777);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("elsewhere/ERLOGS")));
        const QString victim = dir.filePath(planted == QStringLiteral("SYSTEM")
                                                ? QStringLiteral("elsewhere/ERLOGS/QuorvelII.Log")
                                                : QStringLiteral("elsewhere/QuorvelII.Log"));
        WriteFileBytes(victim, "VICTIM\n");
        Chmod(victim, 0666);
        const QString log = dir.filePath(QStringLiteral("QuorvelII.Log"));
        if (planted == QStringLiteral("hard link")) {
            QCOMPARE(
                ::link(QFile::encodeName(victim).constData(), QFile::encodeName(log).constData()),
                0);
        } else {
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("SYSTEM")));
            if (planted == QStringLiteral("SYSTEM")) {
                QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("SYSTEM")));
            }
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), dir.filePath(planted)));
        }

        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(launch.environment);
        program.start(launch.command.front(), launch.command.mid(1));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        const bool started = WaitForStart(program, log);
        QVERIFY(EndProgram(program));
        const QByteArray errors = program.readAllStandardError();
        QVERIFY2(started, errors.constData());
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadFileBytes(victim), QByteArray("VICTIM\n"));
        QVERIFY(ReadFileBytes(log).trimmed().endsWith(kEndLine));
        QCOMPARE(errors.contains("is reached through a symbolic link, which is not followed"),
                 planted != QStringLiteral("hard link"));
    }

    void deletedProgramDirectoryWritesNothingAnywhere_data() {
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("user") << false;
        QTest::newRow("nobody") << true;
    }

    // Started in a directory that is deleted first: the defaults, a word on standard error,
    // no file anywhere (at the root least of all, where root could write), and exit status 1
    // for the inputs that could not be saved.
    void deletedProgramDirectoryWritesNothingAnywhere() {
        QFETCH(bool, asNobody);
        QTemporaryDir dir;
        const QString gone = dir.filePath(QStringLiteral("gone"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gone")));
        Chmod(dir.path(), 0777);
        Chmod(gone, 0777);
        const Launch launch = LaunchIn(dir.path(), asNobody,
                                       {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                                        QStringLiteral("cd \"$1\" && rmdir \"$1\" && exec \"$2\""),
                                        QStringLiteral("sh"), gone, kProgram});
        if (launch.command.isEmpty()) {
            QSKIP(qPrintable(launch.skipReason));
        }
        const QStringList atRoot{QStringLiteral("/QuorvelII.Cfg"), QStringLiteral("/QuorvelII.Log"),
                                 QStringLiteral("/LogFile.Log")};
        QStringList presentBefore;
        for (const QString& file : atRoot) {
            if (QFile::exists(file)) {
                presentBefore.append(file);
            }
        }

        QProcess program;
        program.setProcessEnvironment(launch.environment);
        program.start(launch.command.front(), launch.command.mid(1));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QByteArray errors;
        const bool told = WaitForError(
            program, "QuorvelII: no program directory: the working directory no longer exists",
            errors);
        QVERIFY(EndProgram(program));
        errors += program.readAllStandardError();
        // A file at the root is removed again before anything else is checked.
        for (const QString& file : atRoot) {
            if (!presentBefore.contains(file) && QFile::exists(file)) {
                QFile::remove(file);
                QFAIL(qPrintable(file + " was written"));
            }
        }
        QVERIFY2(told, errors.constData());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY2(errors.contains("Your inputs were not saved: there is no program directory"),
                 errors.constData());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void failedCloseSaveEndsWithStatusOneAndSaysWhyWhereNoLogTakesIt_data() {
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("user") << false;
        QTest::newRow("nobody") << true;
    }

    // A directory stands where the settings file and the log would be, which no user may
    // write over: the close cannot save, no log can be opened, so standard error gets the
    // reason, and the exit status tells that the inputs were lost.
    void failedCloseSaveEndsWithStatusOneAndSaysWhyWhereNoLogTakesIt() {
        QFETCH(bool, asNobody);
        QTemporaryDir dir;
        const Launch launch = LaunchIn(dir.path(), asNobody, {kProgram});
        if (launch.command.isEmpty()) {
            QSKIP(qPrintable(launch.skipReason));
        }
        Chmod(dir.path(), 0777);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QuorvelII.Cfg")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QuorvelII.Log")));

        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(launch.environment);
        program.start(launch.command.front(), launch.command.mid(1));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QByteArray errors;
        // Once the refused log is reported, the start record has been written.
        const bool started = WaitForError(program, "/QuorvelII.Log refused", errors);
        QVERIFY(EndProgram(program));
        errors += program.readAllStandardError();
        QVERIFY2(started, errors.constData());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY2(errors.contains("QuorvelII: Your inputs were not saved to " +
                                 QFile::encodeName(dir.filePath(QStringLiteral("QuorvelII.Cfg")))),
                 errors.constData());
    }
};

}  // namespace
}  // namespace quorvel

QTEST_GUILESS_MAIN(quorvel::ProgramFilesProcessTest)
#include "program_files_process_test.moc"

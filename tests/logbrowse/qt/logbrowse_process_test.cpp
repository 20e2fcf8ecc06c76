// LogBrowse.exe as QuorvelII starts and ends it: a process of its own, started in the program
// directory with the log's path text as its argument, that SIGTERM ends cleanly.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "logbrowse/qt/log_scratch.h"

namespace {

const QString kProgram = QStringLiteral(QUORVEL_BINARY_DIR "/LogBrowse.exe");

// True once the process has its own SIGTERM handler in place (Linux: SigCgt in its status).
bool CatchesSigterm(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask & (1ULL << (SIGTERM - 1))) != 0;
        }
    }
    return false;
}

void StartViewer(QProcess& viewer, const QString& directory, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    viewer.setProcessEnvironment(environment);
    viewer.setWorkingDirectory(directory);
    viewer.start(kProgram, arguments);
    QVERIFY2(viewer.waitForStarted(), qPrintable(viewer.errorString()));
}

}  // namespace

class LogBrowseProcessTest : public QObject {
    Q_OBJECT

private slots:
    void SigtermEndsTheViewerCleanly_data();
    void SigtermEndsTheViewerCleanly();
    void HelpIsPrinted();
};

void LogBrowseProcessTest::SigtermEndsTheViewerCleanly_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("log there") << QStringList{R"(\SYSTEM\ERLOGS\\QuorvelII.log)"};
    QTest::newRow("waiting for the log") << QStringList{R"(\SYSTEM\ERLOGS\\Missing.log)"};
    QTest::newRow("nothing named") << QStringList{};
}

void LogBrowseProcessTest::SigtermEndsTheViewerCleanly() {
    QFETCH(QStringList, arguments);
    QTemporaryDir program;
    QVERIFY(QDir().mkpath(program.path() + "/SYSTEM/ERLOGS"));
    quorvel::test::WriteFile(program.path() + "/SYSTEM/ERLOGS/QuorvelII.Log",
                             quorvel::test::LogLines(1, 1000));

    QProcess viewer;
    StartViewer(viewer, program.path(), arguments);
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSigterm(viewer.processId()), 10000);
    viewer.terminate();
    QVERIFY(viewer.waitForFinished(10000));
    QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(viewer.exitCode(), 0);
}

void LogBrowseProcessTest::HelpIsPrinted() {
    QTemporaryDir program;
    QProcess viewer;
    StartViewer(viewer, program.path(), {"--help"});
    QVERIFY(viewer.waitForFinished(10000));
    QCOMPARE(viewer.exitCode(), 0);
    QVERIFY(viewer.readAllStandardOutput().startsWith("Usage: LogBrowse.exe LOGFILE"));
}

QTEST_GUILESS_MAIN(LogBrowseProcessTest)
#include "logbrowse_process_test.moc"

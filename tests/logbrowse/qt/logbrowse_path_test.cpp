// Finding the log from the path text QuorvelII passes: separators, letter case, the
// root-relative form, the fallback to the program directory, and files that do not exist yet.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "logbrowse/log_path.h"
#include "logbrowse/qt/log_scratch.h"

using quorvel::JoinCommandLine;
using quorvel::LogLocation;
using quorvel::ResolveLogPath;

class LogPathTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void FindsTheLog_data();
    void FindsTheLog();
    void NamesNoFile_data();
    void NamesNoFile();
    void PrefersTheExactName();
    void AbsoluteLinuxPath();
    void PathWithSpacesArrivesSplit();
    void JoinCommandLineStripsOnePairOfQuotes();

private:
    QTemporaryDir m_scratch;
    QString m_program;
};

void LogPathTest::initTestCase() {
    QVERIFY(m_scratch.isValid());
    m_program = m_scratch.path() + "/prog";
    QVERIFY(QDir().mkpath(m_program + "/SYSTEM/ERLOGS"));
    QVERIFY(QDir().mkpath(m_program + "/My Logs"));
    quorvel::test::WriteFile(m_program + "/SYSTEM/ERLOGS/QuorvelII.Log", "x\n");
    quorvel::test::WriteFile(m_program + "/Other.Log", "x\n");
    quorvel::test::WriteFile(m_program + "/My Logs/Run 1.log", "x\n");
}

// Rows: the path text, the expected path under the program directory, whether it exists.
void LogPathTest::FindsTheLog_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("exists");

    const QString log = "/SYSTEM/ERLOGS/QuorvelII.Log";
    QTest::newRow("as QuorvelII passes it") << R"(\SYSTEM\ERLOGS\\QuorvelII.log)" << log << true;
    QTest::newRow("forward slashes, no Linux /SYSTEM")
        << "/SYSTEM/ERLOGS/QuorvelII.log" << log << true;
    QTest::newRow("mixed separators and case") << R"(\system/ErLogs\QUORVELII.LOG)" << log << true;
    QTest::newRow("separators doubled everywhere")
        << R"(\\SYSTEM\\\ERLOGS//\QuorvelII.log)" << log << true;
    QTest::newRow("relative") << R"(system\erlogs\quorvelii.log)" << log << true;
    QTest::newRow("drive letter dropped") << R"(C:\SYSTEM\ERLOGS\\QuorvelII.log)" << log << true;
    QTest::newRow("dot components") << R"(\.\SYSTEM\.\ERLOGS\QuorvelII.log)" << log << true;
    QTest::newRow("surrounding blanks") << R"(  \SYSTEM\ERLOGS\\QuorvelII.log )" << log << true;
    QTest::newRow("directory there, file not yet") << R"(\SYSTEM\ERLOGS\\Later.log)"
                                                   << "/SYSTEM/ERLOGS/Later.log" << false;
    QTest::newRow("no such directory: name in program directory") << R"(\NOSUCH\ERLOGS\\other.log)"
                                                                  << "/Other.Log" << true;
    QTest::newRow("only part of the directory there") << R"(\SYSTEM\NOSUCH\\other.log)"
                                                      << "/Other.Log" << true;
    QTest::newRow("no such directory, no such file") << R"(\NOSUCH\\Nothing.log)"
                                                     << "/Nothing.log" << false;
    QTest::newRow("a file where a directory is asked for") << R"(\Other.Log\QuorvelII.log)"
                                                           << "/QuorvelII.log" << false;
    QTest::newRow("bare name") << "other.LOG"
                               << "/Other.Log" << true;
}

void LogPathTest::FindsTheLog() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, exists);
    const LogLocation location = ResolveLogPath(text, m_program);
    QCOMPARE(location.path, m_program + expected);
    QCOMPARE(location.fileName, expected.section(u'/', -1));
    QCOMPARE(location.exists, exists);
}

void LogPathTest::NamesNoFile_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("separators only") << R"(\\)";
    QTest::newRow("directory") << R"(\SYSTEM\ERLOGS\)";
    QTest::newRow("parent") << R"(\SYSTEM\..)";
    QTest::newRow("drive only") << "C:";
}

void LogPathTest::NamesNoFile() {
    QFETCH(QString, text);
    const LogLocation location = ResolveLogPath(text, m_program);
    QVERIFY(location.path.isEmpty());
    QVERIFY(!location.exists);
}

void LogPathTest::PrefersTheExactName() {
    QTemporaryDir directory;
    quorvel::test::WriteFile(directory.path() + "/run.log", "lower\n");
    quorvel::test::WriteFile(directory.path() + "/RUN.log", "upper\n");
    QCOMPARE(ResolveLogPath("run.log", directory.path()).fileName, QString("run.log"));
    QCOMPARE(ResolveLogPath("RUN.log", directory.path()).fileName, QString("RUN.log"));
    // No exact match: the first in name order, the same every time.
    QCOMPARE(ResolveLogPath("Run.Log", directory.path()).fileName, QString("RUN.log"));
}

void LogPathTest::AbsoluteLinuxPath() {
    const QString absolute = m_program + "/SYSTEM/ERLOGS/QuorvelII.Log";
    QTemporaryDir elsewhere;
    LogLocation location = ResolveLogPath(absolute, elsewhere.path());
    QCOMPARE(location.path, absolute);
    QVERIFY(location.exists);

    location = ResolveLogPath(absolute.toLower(), elsewhere.path());
    QCOMPARE(location.path, absolute);

    // The same text from within the program directory still means the file, not a copy of the
    // directory tree under it.
    location = ResolveLogPath(absolute, m_program);
    QCOMPARE(location.path, absolute);
}

void LogPathTest::PathWithSpacesArrivesSplit() {
    const QString text = JoinCommandLine({R"(\My)", R"(Logs\\RUN)", "1.LOG"});
    const LogLocation location = ResolveLogPath(text, m_program);
    QCOMPARE(location.path, m_program + "/My Logs/Run 1.log");
    QVERIFY(location.exists);
}

void LogPathTest::JoinCommandLineStripsOnePairOfQuotes() {
    QCOMPARE(JoinCommandLine({}), QString());
    QCOMPARE(JoinCommandLine({R"(\SYSTEM\ERLOGS\\QuorvelII.log)"}),
             QString(R"(\SYSTEM\ERLOGS\\QuorvelII.log)"));
    QCOMPARE(JoinCommandLine({R"("\My)", R"(Logs\a.log")"}), QString(R"(\My Logs\a.log)"));
    QCOMPARE(JoinCommandLine({R"(""x"")"}), QString(R"("x")"));
    QCOMPARE(JoinCommandLine({"\""}), QString("\""));
}

QTEST_GUILESS_MAIN(LogPathTest)
#include "logbrowse_path_test.moc"

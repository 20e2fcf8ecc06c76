// Following a log file: the first load, growth read as new bytes only, a file emptied,
// rewritten, replaced or deleted under the follower, and a log that appears only later.

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "logbrowse/log_follower.h"
#include "logbrowse/qt/log_scratch.h"

using quorvel::LogFollower;
using quorvel::LogState;
using namespace quorvel::test;

namespace {

// What a view would show: the text appended since the last Cleared, and the last piece alone.
class Reader : public QObject {
public:
    explicit Reader(LogFollower& follower) {
        connect(&follower, &LogFollower::Cleared, this, [this] {
            text.clear();
            ++clears;
        });
        connect(&follower, &LogFollower::Appended, this, [this](const QString& piece) {
            text += piece;
            last = piece;
        });
    }
    QString text;
    QString last;
    int clears = 0;
};

// Polls until every byte in the file has been read.
void CatchUp(LogFollower& follower) {
    follower.Poll();
    for (int i = 0; i < 1000 && follower.CatchingUp(); ++i) {
        follower.Poll();
    }
    QVERIFY(!follower.CatchingUp());
}

}  // namespace

class LogFollowerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void ReadsTheWholeFileFirst();
    void ReadsOnlyWhatWasAdded();
    void LinePartlyWrittenIsCompletedLater();
    void LargeFileArrivesInChunksThroughTheEventLoop();
    void CharacterSplitBetweenChunksStaysWhole();
    void WindowsLineEndsAreRead();
    void EmptiedFileStartsOver();
    void RewrittenFileStartsOverEvenWhenLonger();
    void ReplacedFileStartsOver();
    void DeletedFileIsWaitedForAndReloaded();
    void MissingLogIsFoundWhenCreated();
    void LogDirectoryMadeLaterIsUsed();
    void DirectoryAtThePathIsUnreadable();
    void NoFileNamed();
    void FollowsWithoutBeingPolledByHand();

private:
    std::unique_ptr<QTemporaryDir> m_scratch;
    QString m_program;
    QString m_log;
};

void LogFollowerTest::init() {
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
    m_program = m_scratch->path();
    QVERIFY(QDir().mkpath(m_program + "/SYSTEM/ERLOGS"));
    m_log = m_program + "/SYSTEM/ERLOGS/QuorvelII.Log";
}

static const QString kRequest = R"(\SYSTEM\ERLOGS\\QuorvelII.log)";

void LogFollowerTest::ReadsTheWholeFileFirst() {
    WriteFile(m_log, LogLines(1, 3));
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Following);
    QCOMPARE(follower.Location().path, m_log);
    QCOMPARE(reader.text, QString::fromLatin1(LogLines(1, 3)));
}

void LogFollowerTest::ReadsOnlyWhatWasAdded() {
    WriteFile(m_log, LogLines(1, 3));
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    const int clears = reader.clears;

    AppendFile(m_log, LogLines(4, 2));
    CatchUp(follower);
    QCOMPARE(reader.last, QString::fromLatin1(LogLines(4, 2)));
    QCOMPARE(reader.text, QString::fromLatin1(LogLines(1, 5)));
    QCOMPARE(reader.clears, clears);

    // Nothing new: nothing is sent.
    reader.last.clear();
    CatchUp(follower);
    QVERIFY(reader.last.isEmpty());
}

void LogFollowerTest::LinePartlyWrittenIsCompletedLater() {
    WriteFile(m_log, "000000  001:00:00:00.000000  PROG");
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    AppendFile(m_log, "RAM START\n");
    CatchUp(follower);
    QCOMPARE(reader.text, QString("000000  001:00:00:00.000000  PROGRAM START\n"));
}

void LogFollowerTest::LargeFileArrivesInChunksThroughTheEventLoop() {
    const QByteArray bytes = LogLines(1, 30000);
    QVERIFY(bytes.size() > 3 * LogFollower::kChunkBytes);
    WriteFile(m_log, bytes);
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    follower.Poll();
    QVERIFY(follower.CatchingUp());
    QCOMPARE(reader.text.size(), LogFollower::kChunkBytes);
    // The rest comes without further polls, one chunk per turn of the event loop.
    QTRY_VERIFY(!follower.CatchingUp());
    QCOMPARE(reader.text, QString::fromLatin1(bytes));
    QCOMPARE(reader.clears, 1);
}

void LogFollowerTest::CharacterSplitBetweenChunksStaysWhole() {
    QByteArray bytes(LogFollower::kChunkBytes - 1, 'a');
    bytes += "\xc2\xb0 north\n";  // a degree sign across the chunk boundary
    WriteFile(m_log, bytes);
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    QCOMPARE(reader.text, QString::fromUtf8(bytes));
}

void LogFollowerTest::WindowsLineEndsAreRead() {
    WriteFile(m_log, "one\r\ntwo\r\n");
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    QCOMPARE(reader.text, QString("one\ntwo\n"));
}

void LogFollowerTest::EmptiedFileStartsOver() {
    WriteFile(m_log, LogLines(1, 50));
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    const int clears = reader.clears;

    // QuorvelII empties its log in place at every start.
    WriteFile(m_log, "");
    CatchUp(follower);
    QCOMPARE(reader.clears, clears + 1);
    QVERIFY(reader.text.isEmpty());

    AppendFile(m_log, LogLines(100, 2));
    CatchUp(follower);
    QCOMPARE(reader.text, QString::fromLatin1(LogLines(100, 2)));
}

void LogFollowerTest::RewrittenFileStartsOverEvenWhenLonger() {
    WriteFile(m_log, "000000  001:00:00:01.000000  first run\n");
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);

    // Emptied and written past the old end between two looks: the size alone cannot tell.
    const QByteArray second = "000000  001:00:09:59.000000  second run\n" + LogLines(1, 5);
    WriteFile(m_log, second);
    CatchUp(follower);
    QCOMPARE(reader.text, QString::fromLatin1(second));
}

void LogFollowerTest::ReplacedFileStartsOver() {
    WriteFile(m_log, LogLines(1, 10));
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);

    // Same beginning, same length and more: only the file's identity shows the change.
    const QByteArray replacement = LogLines(1, 10) + "replaced\n";
    ReplaceFile(m_log, replacement);
    const int clears = reader.clears;
    CatchUp(follower);
    QCOMPARE(reader.clears, clears + 1);
    QCOMPARE(reader.text, QString::fromLatin1(replacement));

    AppendFile(m_log, "more\n");
    CatchUp(follower);
    QCOMPARE(reader.text, QString::fromLatin1(replacement + "more\n"));
}

void LogFollowerTest::DeletedFileIsWaitedForAndReloaded() {
    WriteFile(m_log, LogLines(1, 3));
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);

    QVERIFY(QFile::remove(m_log));
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Waiting);
    // What was read stays readable until a new file comes.
    QCOMPARE(reader.text, QString::fromLatin1(LogLines(1, 3)));

    WriteFile(m_log, "fresh\n");
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Following);
    QCOMPARE(reader.text, QString("fresh\n"));
}

void LogFollowerTest::MissingLogIsFoundWhenCreated() {
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Waiting);
    QCOMPARE(follower.Location().path, m_program + "/SYSTEM/ERLOGS/QuorvelII.log");

    // Asked for in one letter case, written in another.
    WriteFile(m_log, LogLines(1, 2));
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Following);
    QCOMPARE(follower.Location().path, m_log);
    QCOMPARE(reader.text, QString::fromLatin1(LogLines(1, 2)));
}

void LogFollowerTest::LogDirectoryMadeLaterIsUsed() {
    QVERIFY(QDir(m_program + "/SYSTEM").removeRecursively());
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    QSignalSpy changes(&follower, &LogFollower::StateChanged);
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Waiting);
    QCOMPARE(follower.Location().path, m_program + "/QuorvelII.log");

    QVERIFY(QDir().mkpath(m_program + "/SYSTEM/ERLOGS"));
    changes.clear();
    CatchUp(follower);
    QCOMPARE(follower.Location().path, m_program + "/SYSTEM/ERLOGS/QuorvelII.log");
    QVERIFY(!changes.isEmpty());

    WriteFile(m_log, "there\n");
    CatchUp(follower);
    QCOMPARE(reader.text, QString("there\n"));
}

void LogFollowerTest::DirectoryAtThePathIsUnreadable() {
    QVERIFY(QDir().mkpath(m_log));
    LogFollower follower(kRequest, m_program);
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::Unreadable);
    QVERIFY(!follower.Problem().isEmpty());
}

void LogFollowerTest::NoFileNamed() {
    LogFollower follower(R"(\SYSTEM\ERLOGS\)", m_program);
    CatchUp(follower);
    QCOMPARE(follower.State(), LogState::NoFile);
}

void LogFollowerTest::FollowsWithoutBeingPolledByHand() {
    LogFollower follower(kRequest, m_program);
    Reader reader(follower);
    follower.Start();
    QCOMPARE(follower.State(), LogState::Waiting);
    WriteFile(m_log, LogLines(1, 1));
    QTRY_COMPARE(reader.text, QString::fromLatin1(LogLines(1, 1)));
    AppendFile(m_log, LogLines(2, 1));
    QTRY_COMPARE(reader.text, QString::fromLatin1(LogLines(1, 2)));
    WriteFile(m_log, "");
    QTRY_VERIFY(reader.text.isEmpty());
}

QTEST_GUILESS_MAIN(LogFollowerTest)
#include "logbrowse_follower_test.moc"

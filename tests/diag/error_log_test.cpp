#include "diag/error_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "support/fake_clock.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::FakeClock;

// 2006-05-03 14:05:09.123: day 123.
const CalendarReading kMay3rd{2006, 5, 3, 14, 5, 9, 123};

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quorvel-log-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }

    // The full path of a name in the scratch directory, as the log is given it.
    std::string LogFile(const std::string& name) const { return (m_dir / name).string(); }
    fs::path NativeFile(const std::string& name) const { return m_dir / name; }

    static std::string Contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::vector<std::string> Lines(const fs::path& file) {
        std::vector<std::string> lines;
        std::ifstream in(file, std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    fs::path m_dir;
    FakeClock m_clock{kMay3rd};
};

TEST_F(ErrorLogTest, WritesStampedLinesWithItsOwnSeparators) {
    Cerrorlog log(LogFile("QuorvelII.Log"), m_clock);
    m_clock.Advance(456us);
    log.Write("------------------PROGRAM START--------------------", 0);
    m_clock.Advance(1s);
    log.Write("", 5000);
    EXPECT_EQ(Contents(NativeFile("QuorvelII.Log")),
              "000000  123:14:05:09.123456  ------------------PROGRAM START--------------------\n"
              "005000  123:14:05:10.123456  \n");
}

TEST_F(ErrorLogTest, CodesArePrintedWithSixCharacters) {
    Cerrorlog log(LogFile("codes.log"), m_clock);
    for (int code : {1, 603, 5000, -5, 123456, 1234567, std::numeric_limits<int>::min(),
                     std::numeric_limits<int>::max()}) {
        log.Write("x", code);
    }
    std::vector<std::string> codes;
    for (const std::string& line : Lines(NativeFile("codes.log"))) {
        codes.push_back(line.substr(0, line.find(' ')));
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"000001", "000603", "005000", "-00005", "123456",
                                               "1234567", "-2147483648", "2147483647"}));
}

TEST_F(ErrorLogTest, NewYearMidnightStampsDayOne) {
    m_clock.SetCalendar({2007, 1, 1, 0, 0, 0, 0});
    Cerrorlog log(LogFile("a.log"), m_clock);
    log.Write("midnight", 0);
    EXPECT_EQ(Contents(NativeFile("a.log")), "000000  001:00:00:00.000000  midnight\n");
}

TEST_F(ErrorLogTest, StampFollowsTheCounterFromTheAnchor) {
    Cerrorlog log(LogFile("a.log"), m_clock);
    // The calendar is set back by an hour; the stamps keep counting on.
    m_clock.SetCalendar({2006, 5, 3, 13, 5, 9, 123});
    m_clock.Advance(61s);
    log.Write("later", 1);
    EXPECT_EQ(Contents(NativeFile("a.log")), "000001  123:14:06:10.123000  later\n");
}

TEST_F(ErrorLogTest, CreatingTheLogEmptiesAnEarlierFile) {
    {
        Cerrorlog first(LogFile("QuorvelII.Log"), m_clock);
        first.Write("first run", 0);
    }
    ASSERT_FALSE(Contents(NativeFile("QuorvelII.Log")).empty());
    Cerrorlog second(LogFile("QuorvelII.Log"), m_clock);
    EXPECT_TRUE(fs::exists(NativeFile("QuorvelII.Log")));
    EXPECT_EQ(Contents(NativeFile("QuorvelII.Log")), "");
    second.Write("second run", 0);
    EXPECT_EQ(Lines(NativeFile("QuorvelII.Log")).size(), 1u);
}

TEST_F(ErrorLogTest, EmptyNameIsErrorLogInTheCurrentDirectory) {
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir);
    {
        Cerrorlog log("", m_clock);
        EXPECT_EQ(log.FileName(), "ErrorLog.Log");
        log.Write("here", 1);
    }
    fs::current_path(previous);
    EXPECT_EQ(Lines(NativeFile("ErrorLog.Log")).size(), 1u);
}

TEST_F(ErrorLogTest, BackslashInADirectoryNameIsPartOfTheName) {
    fs::create_directories(m_dir / "a\\b");
    fs::create_directories(m_dir / "a" / "b");
    Cerrorlog log(LogFile("a\\b/QuorvelII.Log"), m_clock);
    log.Write("in a\\b", 1);
    EXPECT_EQ(Lines(m_dir / "a\\b" / "QuorvelII.Log").size(), 1u);
    EXPECT_TRUE(fs::is_empty(m_dir / "a" / "b"));
}

TEST_F(ErrorLogTest, ClockBeyondItsCountIsReanchored) {
    m_clock.SetCalendar({2004, 12, 31, 23, 59, 59, 0});
    Cerrorlog log(LogFile("a.log"), m_clock);
    m_clock.Advance(2s);  // 2005-01-01 00:00:01, while the anchored count reads day 367
    log.Write("new year", 1);
    EXPECT_EQ(Contents(NativeFile("a.log")),
              "000001  001:00:00:01.000000  new year  >>>> HAD TO REINIT ErrorLog TIMER\n");
}

// A calendar that reads as the start of the count when told to, so the clock reads 0.
class StoppedCalendarClock : public FakeClock {
public:
    using FakeClock::FakeClock;
    CalendarReading LocalCalendar() override {
        return stopped ? CalendarReading{2006, 1, 0, 0, 0, 0, 0} : FakeClock::LocalCalendar();
    }
    bool stopped = false;
};

TEST_F(ErrorLogTest, ClockReadingZeroIsReplacedAndNoted) {
    StoppedCalendarClock clock;
    clock.stopped = true;
    Cerrorlog log(LogFile("a.log"), clock);
    log.Write("no calendar", 1);
    clock.stopped = false;
    log.Write("calendar back", 1);
    const std::vector<std::string> lines = Lines(NativeFile("a.log"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "000001  000:00:00:00.000000  no calendar  >>>> HAD TO USE THE CPU TIME");
    // The anchor still reads 0, so the clock is replaced again and now finds the calendar.
    EXPECT_EQ(lines[1], "000001  045:12:00:00.000000  calendar back  >>>> HAD TO USE THE CPU TIME");
}

TEST_F(ErrorLogTest, ReanchorOntoAZeroCalendarTakesBothNotes) {
    StoppedCalendarClock clock({2004, 12, 31, 23, 59, 59, 0});
    Cerrorlog log(LogFile("a.log"), clock);
    clock.Advance(2s);
    clock.stopped = true;
    log.Write("x", 1);
    EXPECT_EQ(Lines(NativeFile("a.log")).at(0),
              "000001  000:00:00:00.000000  x  >>>> HAD TO REINIT ErrorLog TIMER  >>>> HAD TO USE "
              "THE CPU TIME");
}

// A clock that writes to the log while the log reads it, as a handler running inside a write
// would.
class ReenteringClock : public FakeClock {
public:
    std::int64_t Counter() override {
        if (log != nullptr) {
            Cerrorlog* target = log;
            log = nullptr;
            target->Write("inner", 2);
        }
        return FakeClock::Counter();
    }
    Cerrorlog* log = nullptr;
};

TEST_F(ErrorLogTest, WriteInsideAWriteIsDropped) {
    ReenteringClock clock;
    Cerrorlog log(LogFile("a.log"), clock);
    clock.log = &log;
    log.Write("outer", 1);
    log.Write("after", 1);
    const std::vector<std::string> lines = Lines(NativeFile("a.log"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("outer"), std::string::npos);
    EXPECT_NE(lines[1].find("after"), std::string::npos);
}

TEST_F(ErrorLogTest, LongTextIsCutToTheLineBuffer) {
    Cerrorlog log(LogFile("a.log"), m_clock);
    const std::string text(20000, 'x');
    log.Write(text, 1);
    log.Write("next", 1);
    const std::vector<std::string> lines = Lines(NativeFile("a.log"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size() + 1, 8183u);  // line feed included
    EXPECT_EQ(lines[0].substr(lines[0].size() - 5), "xxxxx");
    EXPECT_NE(lines[1].find("next"), std::string::npos);
}

TEST_F(ErrorLogTest, LongTextKeepsItsClockNote) {
    m_clock.SetCalendar({2004, 12, 31, 23, 59, 59, 0});
    Cerrorlog log(LogFile("a.log"), m_clock);
    m_clock.Advance(2s);
    log.Write(std::string(9000, 'x'), std::numeric_limits<int>::min());
    const std::string line = Lines(NativeFile("a.log")).at(0);
    EXPECT_EQ(line.size() + 1, 8183u);
    EXPECT_TRUE(line.ends_with("x  >>>> HAD TO REINIT ErrorLog TIMER"));
}

TEST_F(ErrorLogTest, FileNameLongerThan255CharactersKeepsNoFile) {
    const std::size_t room = 255 - m_dir.string().size() - 1;
    const std::string fits(room, 'n');
    const std::string tooLong(room + 1, 'n');

    Cerrorlog kept(LogFile(fits), m_clock);
    ASSERT_EQ(kept.FileName().size(), 255u);
    kept.Write("kept", 1);
    EXPECT_EQ(Lines(NativeFile(fits)).size(), 1u);

    // The name cut to 255 characters would be this other file: it is left alone, and the
    // refusal is said once.
    std::ofstream(NativeFile(fits), std::ios::trunc) << "another file\n";
    std::ostringstream refusals;
    Cerrorlog refused(LogFile(tooLong), m_clock, &refusals);
    refused.Write("lost", 1);
    refused.Write("lost again", 1);
    EXPECT_FALSE(fs::exists(NativeFile(tooLong)));
    EXPECT_EQ(Contents(NativeFile(fits)), "another file\n");
    EXPECT_EQ(refusals.str(), "Error log " + LogFile(tooLong) +
                                  " refused: its path is longer than 255 characters; its lines "
                                  "are not written\n");
}

TEST_F(ErrorLogTest, VanishedDirectoryLosesTheLineUntilItIsBack) {
    fs::create_directories(m_dir / "ERLOGS");
    Cerrorlog log(LogFile("ERLOGS/QuorvelII.Log"), m_clock);
    log.Write("first", 1);
    fs::remove_all(m_dir / "ERLOGS");
    log.Write("lost", 1);
    EXPECT_FALSE(fs::exists(m_dir / "ERLOGS"));
    fs::create_directories(m_dir / "ERLOGS");
    log.Write("back", 1);
    const std::vector<std::string> lines = Lines(m_dir / "ERLOGS" / "QuorvelII.Log");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("back"), std::string::npos);
}

TEST_F(ErrorLogTest, NameOfADirectoryLosesEveryLine) {
    fs::create_directories(m_dir / "taken");
    std::ostringstream refusals;
    Cerrorlog log(LogFile("taken"), m_clock, &refusals);
    log.Write("lost", 1);
    EXPECT_TRUE(fs::is_directory(m_dir / "taken"));
    EXPECT_TRUE(fs::is_empty(m_dir / "taken"));
    EXPECT_EQ(refusals.str(),
              "Error log " + LogFile("taken") +
                  " refused: it is not a regular file; its lines are not written\n");
}

TEST_F(ErrorLogTest, PipeIsRefusedWithOrWithoutAReader) {
    ASSERT_EQ(mkfifo(NativeFile("pipe").c_str(), 0600), 0);
    std::ostringstream refusals;
    Cerrorlog log(LogFile("pipe"), m_clock, &refusals);
    log.Write("lost", 1);
    EXPECT_TRUE(fs::is_fifo(NativeFile("pipe")));
    EXPECT_NE(refusals.str().find("not a regular file"), std::string::npos);

    // A reader on the pipe: the log still writes nothing into it.
    const int reader = ::open(NativeFile("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    log.Write("still lost", 1);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
}

// A link planted at the log's name, for each place the log may go: the file it points at is
// neither emptied nor written, and the refusal is reported once.
TEST_F(ErrorLogTest, LinkAtTheLogNameIsRefusedAndItsTargetKept) {
    for (const std::string name : {"QuorvelII.Log", "SYSTEM/ERLOGS/QuorvelII.Log"}) {
        SCOPED_TRACE(name);
        fs::create_directories(m_dir / "SYSTEM" / "ERLOGS");
        const fs::path victim = m_dir / "victim";
        std::ofstream(victim) << "precious\n";
        fs::remove(m_dir / name);
        fs::create_symlink(victim, m_dir / name);

        std::ostringstream refusals;
        {
            Cerrorlog log(LogFile(name), m_clock, &refusals);
            log.Write("first", 0);
            log.Write("second", 0);
        }
        EXPECT_EQ(Contents(victim), "precious\n");
        EXPECT_TRUE(fs::is_symlink(m_dir / name));
        EXPECT_EQ(refusals.str(), "Error log " + LogFile(name) +
                                      " refused: it is a symbolic link; its lines are not "
                                      "written\n");
    }
}

TEST_F(ErrorLogTest, DanglingLinkCreatesNoFileAtItsTarget) {
    fs::create_symlink(m_dir / "made-through-the-link", m_dir / "QuorvelII.Log");
    std::ostringstream refusals;
    Cerrorlog log(LogFile("QuorvelII.Log"), m_clock, &refusals);
    log.Write("lost", 0);
    EXPECT_FALSE(fs::exists(m_dir / "made-through-the-link"));
    EXPECT_FALSE(refusals.str().empty());
}

// A log file with another name: the start does not empty the other file, and a name added
// during the run (the directory is shared) makes later lines refused rather than written
// into both.
TEST_F(ErrorLogTest, FileWithOtherNamesIsNeverEmptiedNorExtended) {
    std::ofstream(m_dir / "victim") << "precious\n";
    fs::create_hard_link(m_dir / "victim", m_dir / "QuorvelII.Log");
    std::ostringstream refusals;
    Cerrorlog log(LogFile("QuorvelII.Log"), m_clock, &refusals);
    log.Write("kept", 0);
    EXPECT_EQ(Contents(m_dir / "victim"), "precious\n");
    EXPECT_EQ(Lines(m_dir / "QuorvelII.Log").size(), 1u);

    fs::create_hard_link(m_dir / "QuorvelII.Log", m_dir / "another");
    log.Write("lost", 0);
    EXPECT_EQ(Lines(m_dir / "another").size(), 1u);
    EXPECT_EQ(refusals.str(), "Error log " + LogFile("QuorvelII.Log") +
                                  " refused: it has other names (hard links); its lines are not "
                                  "written\n");
}

// A link planted after the log was made (the directory is shared): later lines are refused.
TEST_F(ErrorLogTest, LinkPlantedDuringTheRunIsNotWrittenThrough) {
    std::ostringstream refusals;
    Cerrorlog log(LogFile("QuorvelII.Log"), m_clock, &refusals);
    log.Write("kept", 0);
    std::ofstream(m_dir / "victim") << "precious\n";
    fs::rename(m_dir / "QuorvelII.Log", m_dir / "moved.Log");
    fs::create_symlink(m_dir / "victim", m_dir / "QuorvelII.Log");
    log.Write("lost", 0);
    EXPECT_EQ(Contents(m_dir / "victim"), "precious\n");
    EXPECT_EQ(Lines(m_dir / "moved.Log").size(), 1u);
    EXPECT_NE(refusals.str().find("symbolic link"), std::string::npos);
}

TEST_F(ErrorLogTest, ReadOnlyFileLosesTheLineAndKeepsItsContents) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    Cerrorlog log(LogFile("a.log"), m_clock);
    log.Write("before", 1);
    fs::permissions(NativeFile("a.log"), fs::perms::owner_read);
    log.Write("lost", 1);
    fs::permissions(NativeFile("a.log"), fs::perms::owner_read | fs::perms::owner_write);
    log.Write("after", 1);
    const std::vector<std::string> lines = Lines(NativeFile("a.log"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("after"), std::string::npos);
}

// Lets writes to regular files run only up to `bytes`, as a full disk does, for the life of
// the object; the signal that such a write raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    bool Active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(ErrorLogTest, LineThatDoesNotFitOnTheDiskLeavesNoPartOfItself) {
    Cerrorlog log(LogFile("a.log"), m_clock);
    log.Write("first", 1);
    const auto firstSize = fs::file_size(NativeFile("a.log"));
    {
        // Room for part of the next line only.
        FileSizeLimit limit(firstSize + 10);
        if (!limit.Active()) {
            GTEST_SKIP() << "the file size limit cannot be set here";
        }
        log.Write("does not fit", 1);
    }
    EXPECT_EQ(fs::file_size(NativeFile("a.log")), firstSize);
    log.Write("after", 1);
    const std::vector<std::string> lines = Lines(NativeFile("a.log"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("first"), std::string::npos);
    EXPECT_NE(lines[1].find("after"), std::string::npos);
}

}  // namespace
}  // namespace quorvel

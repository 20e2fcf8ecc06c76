#include "diag/program_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "diag/log_file_name.h"
#include "diag/port_io.h"
#include "support/fake_clock.h"
#include "support/recording_port_backend.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::PortRecord;
using testing::ScratchDirectory;

const std::string kStart = "------------------PROGRAM START--------------------";
const std::string kEnd = "------------------PROGRAM END--------------------";
const std::string kSeparator = ">>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>";

// A log line with its stamp checked and taken off.
struct LogEntry {
    std::string code;
    std::string text;

    friend bool operator==(const LogEntry&, const LogEntry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const LogEntry& entry) {
        return out << entry.code << " [" << entry.text << "]";
    }
};

// Whether `text` follows `pattern`, where '9' stands for any digit.
bool Follows(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '9' ? !digit : text[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

// The entries of a log file; an empty line (after a text that ended in a line feed) is an
// entry with no code.
std::vector<LogEntry> ReadLog(const fs::path& file) {
    // "000001  123:14:05:09.123456  text"
    constexpr std::string_view kPrefix = "999999  999:99:99:99.999999  ";
    std::vector<LogEntry> entries;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            entries.push_back({"", ""});
        } else if (line.size() >= kPrefix.size() &&
                   Follows(std::string_view(line).substr(0, kPrefix.size()), kPrefix)) {
            entries.push_back({line.substr(0, 6), line.substr(kPrefix.size())});
        } else {
            ADD_FAILURE() << "malformed log line: " << line;
        }
    }
    return entries;
}

// Runs the case in a scratch directory as the current directory, the way the program is
// started in its program directory.
class ProgramRunTest : public ::testing::Test {
protected:
    ProgramRunTest() : m_previous(fs::current_path()) { fs::current_path(scratch.Path()); }
    ~ProgramRunTest() override { fs::current_path(m_previous); }

    ProgramRunOptions Options(PortBackendFactory backends) {
        ProgramRunOptions options;
        options.clock = &clock;
        options.portBackend = std::move(backends);
        options.platformOut = &platformOut;
        return options;
    }
    ProgramRunOptions RecordingOptions() { return Options(testing::RecordingBackends(record)); }
    // No port backend at all: every check and open fails.
    ProgramRunOptions NoBackendOptions() {
        return Options([] { return std::unique_ptr<PortBackend>(); });
    }

    static void Start(ProgramRun& run) {
        run.StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");
    }
    fs::path LogInProgramDirectory() const { return scratch.Path() / "QuorvelII.Log"; }

    ScratchDirectory scratch;
    FakeClock clock;
    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    std::ostringstream platformOut;

private:
    fs::path m_previous;
};

TEST_F(ProgramRunTest, StartWithPortAccessWritesTheStartAndDriverLines) {
    ProgramRun run(RecordingOptions());
    Start(run);

    EXPECT_EQ(run.ProgramDirectory(), scratch.Path().string());
    EXPECT_EQ(ReadLog(LogInProgramDirectory()),
              (std::vector<LogEntry>{{"000000", kStart},
                                     {"000000", "Program Version 2.05"},
                                     {"000001", kSeparator},
                                     {"000603", "WINDRIVER Version 6.3"},
                                     {"000001", kSeparator}}));
    EXPECT_EQ(platformOut.str(), "");
    // The speaker is made and switched off (by its constructor, then by the start record).
    EXPECT_EQ(record->opens, 1);
    EXPECT_EQ(record->Written(0x61), (std::vector<std::uint8_t>{0x00, 0x00}));
}

TEST_F(ProgramRunTest, DriverVersionLineCarriesTheVersionAsCode) {
    record->version = {1207, "twelve seven"};
    ProgramRun run(RecordingOptions());
    Start(run);

    const std::vector<LogEntry> log = ReadLog(LogInProgramDirectory());
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[3], (LogEntry{"001207", "WINDRIVER Version 12.7"}));
}

TEST_F(ProgramRunTest, StartWithoutPortAccessLogsWhyAndTheInstallationAttempt) {
    ProgramRun run(NoBackendOptions());
    Start(run);

    const std::string script = (scratch.Path() / "DriverTools" / "DrvLoad.sh").string();
    EXPECT_EQ(
        ReadLog(LogInProgramDirectory()),
        (std::vector<LogEntry>{
            {"000000", kStart},
            {"000000", "Program Version 2.05"},
            {"000001", "No port access (no port backend) and no driver installer for Linux."},
            {"", ""},  // the driver error text ends in a line feed
            {"000001", "HARDWARE DRIVER NOT LOADED.  CANNOT NOT TALK TO HARDWARE!!!!!!!!!!!!!!"},
            {"000001", "Attempting to install HARDWARE DRIVER.........."},
            {"000001", "    .... Tried to run " + script +
                           "  and it does not exist.  Located on your Install CD and put it here."},
            {"000001",
             "ATTEMPT TO INSTALL HARDWARE DRIVER FAILED.  CANNOT NOT TALK TO "
             "HARDWARE!!!!!!!!!!!!!!"},
            {"000001", kSeparator},
            {"000000", "WINDRIVER Version 0.0"},
            {"000001", kSeparator}}));
    EXPECT_EQ(platformOut.str().rfind("The platform is Linux\nThe major version is ", 0), 0u);
    EXPECT_EQ(run.Driver().version.number, 0);
}

TEST_F(ProgramRunTest, AbsentBackendGivesItsReasonInTheLog) {
    record->present = false;
    record->absentReason = "no speaker in this box";
    ProgramRun run(RecordingOptions());
    Start(run);

    const std::vector<LogEntry> log = ReadLog(LogInProgramDirectory());
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[2].text,
              "No port access (no speaker in this box) and no driver installer for Linux.");
    // The speaker was still made; it is silent.
    EXPECT_EQ(record->backendsMade, 2);  // the driver check and the speaker
    EXPECT_TRUE(record->transfers.empty());
}

TEST_F(ProgramRunTest, EndRecordWritesTheLastLineOnceAndReleasesTheSpeaker) {
    ProgramRun run(RecordingOptions());
    Start(run);
    run.EndRecord();
    run.EndRecord();
    run.LogLine("after the end", 1);

    const std::vector<LogEntry> log = ReadLog(LogInProgramDirectory());
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log.back(), (LogEntry{"000000", kEnd}));
    EXPECT_EQ(record->closes, 1);
    EXPECT_EQ(record->Written(0x61), (std::vector<std::uint8_t>{0x00, 0x00, 0x00}));
}

TEST_F(ProgramRunTest, LogLineBeforeTheStartWritesNothing) {
    ProgramRun run(RecordingOptions());
    run.LogLine("too early", 1);
    EXPECT_EQ(run.ProgramDirectory(), "");
    EXPECT_TRUE(testing::EntryNames(scratch.Path()).empty());
}

TEST_F(ProgramRunTest, LogGoesToTheLogDirectoryWhenItExists) {
    fs::create_directories(scratch.Path() / "SYSTEM" / "ERLOGS");
    ProgramRun run(RecordingOptions());
    Start(run);
    run.EndRecord();

    EXPECT_FALSE(fs::exists(LogInProgramDirectory()));
    const std::vector<LogEntry> log =
        ReadLog(scratch.Path() / "SYSTEM" / "ERLOGS" / "QuorvelII.Log");
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log.front().text, kStart);
}

TEST_F(ProgramRunTest, StartEmptiesTheLogOfTheRunBefore) {
    testing::WriteBytes(LogInProgramDirectory().string(), "old run\n");
    ProgramRun run(RecordingOptions());
    Start(run);
    EXPECT_EQ(ReadLog(LogInProgramDirectory()).front().text, kStart);
}

TEST_F(ProgramRunTest, LogLineReturnsToTheProgramDirectory) {
    ProgramRun run(RecordingOptions());
    Start(run);
    fs::current_path(fs::temp_directory_path());
    run.LogLine("back home", 1);
    EXPECT_EQ(fs::current_path(), scratch.Path());
    EXPECT_EQ(ReadLog(LogInProgramDirectory()).back(), (LogEntry{"000001", "back home"}));
}

TEST_F(ProgramRunTest, StartClearsTheShuttingDownFlag) {
    ProgramRun run(RecordingOptions());
    run.SetShuttingDown(true);
    EXPECT_TRUE(run.ShuttingDown());
    Start(run);
    EXPECT_FALSE(run.ShuttingDown());
}

TEST_F(ProgramRunTest, CuesMakeOneSpeakerWhenThereIsNone) {
    ProgramRun run(RecordingOptions());
    run.SoundWarning();
    run.SoundClick();
    EXPECT_EQ(record->backendsMade, 1);
    EXPECT_EQ(record->Written(0x42),
              (std::vector<std::uint8_t>{0xD3, 0x05, 0xA8, 0x06, 0xDC, 0x34}));
}

TEST_F(ProgramRunTest, SoundErrorWithoutPortAccessTakesItsTimeOnTheRunsClock) {
    ProgramRun run(NoBackendOptions());
    EXPECT_EQ(&run.Clock(), &clock);
    const std::int64_t before = clock.Counter();
    run.SoundError();
    const double ms = static_cast<double>(clock.Counter() - before) / 1e6;
    EXPECT_GE(ms, 420.0);
    EXPECT_LE(ms, 425.0);
}

TEST_F(ProgramRunTest, CreateSpeakerReplacesTheSpeakerBeforeIt) {
    ProgramRun run(RecordingOptions());
    run.CreateSpeaker();
    run.CreateSpeaker();
    EXPECT_EQ(record->backendsMade, 2);
    EXPECT_EQ(record->closes, 1);
    run.DestroySpeaker();
    EXPECT_EQ(record->closes, 2);
}

TEST(LogFileNameTest, EmptyLogDirectoryGivesTheLogNameInTheProgramDirectory) {
    ScratchDirectory scratch;
    const Folder program = Folder::AtPath(scratch.Path().string());
    FileAt file;
    ASSERT_TRUE(LogFileName(program, "QuorvelII", "", "Run", file));
    EXPECT_EQ(file.Shown(), scratch.File("Run.Log"));
    ASSERT_TRUE(LogFileName(program, "QuorvelII", "", "", file));
    EXPECT_EQ(file.Shown(), scratch.File("LogFile.Log"));
}

TEST(LogFileNameTest, LogDirectoryIsTakenWhenItExists) {
    ScratchDirectory scratch;
    const Folder program = Folder::AtPath(scratch.Path().string());
    FileAt file;
    ASSERT_TRUE(LogFileName(program, "QuorvelII", "\\SYSTEM\\ERLOGS\\", "Other", file));
    EXPECT_EQ(file.Shown(), scratch.File("Other.Log"));

    fs::create_directories(scratch.Path() / "SYSTEM" / "ERLOGS");
    ASSERT_TRUE(LogFileName(program, "QuorvelII", "\\SYSTEM\\ERLOGS\\", "Other", file));
    EXPECT_EQ(file.Shown(), scratch.File("SYSTEM/ERLOGS/QuorvelII.Log"));
}

// The program directory is taken as the system gives it: a "\\" in it is part of a name.
TEST(LogFileNameTest, BackslashInTheProgramDirectoryIsKept) {
    ScratchDirectory scratch;
    const fs::path program = scratch.Path() / "a\\b";
    fs::create_directories(program / "SYSTEM" / "ERLOGS");
    fs::create_directories(scratch.Path() / "a" / "b" / "SYSTEM" / "ERLOGS");
    FileAt file;
    ASSERT_TRUE(LogFileName(Folder::AtPath(program.string()), "QuorvelII", "\\SYSTEM\\ERLOGS\\",
                            "QuorvelII", file));
    EXPECT_EQ(file.Shown(), program.string() + "/SYSTEM/ERLOGS/QuorvelII.Log");
}

TEST(LogFileNameTest, NothingGivenIsRefused) {
    FileAt file("unchanged");
    EXPECT_FALSE(LogFileName(Folder::AtPath("/tmp"), "", "", "", file));
    EXPECT_EQ(file.Shown(), "unchanged");
}

}  // namespace
}  // namespace quorvel

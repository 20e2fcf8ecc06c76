#include "shell/log_viewer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/cues.h"
#include "diag/program_run.h"
#include "shell/child_process.h"
#include "support/fake_clock.h"
#include "support/fake_viewer.h"
#include "support/recording_port_backend.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;
using testing::WaitForReport;
using testing::WriteFakeViewer;

const std::string kFirstFailure =
    "Could Not Find LogBrowse.exe.  Looking in Debug Directory.  BUILD ERROR FOR INSTALL.";

class CountingCues final : public Cues {
public:
    void SoundClick() override { ++clicks; }
    void SoundWarning() override { ++warnings; }
    void SoundError() override { ++errors; }

    int clicks = 0;
    int warnings = 0;
    int errors = 0;
};

// A started program run in a scratch program directory (its log there, as the directory has no
// "SYSTEM/ERLOGS"), on a fake clock with a recording port backend, and a second scratch
// directory as the fallback directory.
class LogViewerTest : public ::testing::Test {
protected:
    LogViewerTest() : m_previous(fs::current_path()) {
        fs::current_path(program.Path());
        ProgramRunOptions options;
        options.clock = &clock;
        options.portBackend = testing::RecordingBackends(std::make_shared<testing::PortRecord>());
        options.platformOut = &platformOut;
        run = std::make_unique<ProgramRun>(std::move(options));
        run->StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");
    }
    ~LogViewerTest() override {
        run->EndRecord();
        fs::current_path(m_previous);
    }

    std::string FallbackDirectory() const { return fallback.Path().string() + "/"; }

    // The log lines after the start record, as code and text.
    std::vector<std::string> LinesAfterStart() const {
        std::ifstream in(program.Path() / "QuorvelII.Log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            // "000001  123:14:05:09.123456  text"
            lines.push_back(line.substr(0, 6) + " " + line.substr(29));
        }
        // The start record writes five lines.
        lines.erase(lines.begin(), lines.begin() + std::min<std::ptrdiff_t>(5, lines.size()));
        return lines;
    }

    ScratchDirectory program;
    ScratchDirectory fallback;
    testing::FakeClock clock;
    std::ostringstream platformOut;
    std::unique_ptr<ProgramRun> run;
    CountingCues cues;

private:
    fs::path m_previous;
};

TEST(LogViewerCommandLineTest, IsTheLogDirectoryASecondSeparatorAndTheLogFile) {
    EXPECT_EQ(LogViewerCommandLine("\\SYSTEM\\ERLOGS\\", "QuorvelII"),
              "\\SYSTEM\\ERLOGS\\\\QuorvelII.log");
    EXPECT_EQ(LogViewerCommandLine("", "x"), "\\x.log");
}

TEST(ExecutableDirectoryTest, IsTheDirectoryOfTheRunningProgram) {
    const std::string directory = ExecutableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(fs::equivalent(directory, QUORVEL_BINARY_DIR));
}

TEST_F(LogViewerTest, ViewerInTheProgramDirectoryStartsWithoutCueOrLogLine) {
    WriteFakeViewer(program.File("LogBrowse.exe"));
    ChildProcess viewer;
    ASSERT_TRUE(StartLogViewer(viewer, "\\SYSTEM\\ERLOGS\\\\QuorvelII.log", FallbackDirectory(),
                               cues, *run));
    const auto report = WaitForReport(program.File("LogBrowse.exe"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->pid, viewer.Pid());
    EXPECT_EQ(report->firstArgument, "\\SYSTEM\\ERLOGS\\\\QuorvelII.log");
    EXPECT_EQ(cues.errors, 0);
    EXPECT_TRUE(LinesAfterStart().empty());
}

TEST_F(LogViewerTest, ViewerStartsInTheProgramDirectoryWhereverTheProgramWas) {
    WriteFakeViewer(program.File("LogBrowse.exe"));
    fs::current_path(fallback.Path());
    ChildProcess viewer;
    ASSERT_TRUE(StartLogViewer(viewer, "log", FallbackDirectory(), cues, *run));
    const auto report = WaitForReport(program.File("LogBrowse.exe"));
    ASSERT_TRUE(report);
    EXPECT_EQ(fs::path(report->workingDirectory), program.Path());
}

TEST_F(LogViewerTest, MissingViewerIsLookedForInTheFallbackDirectoryAfterOneCueAndLine) {
    WriteFakeViewer(fallback.File("LogBrowse.exe"));
    ChildProcess viewer;
    ASSERT_TRUE(StartLogViewer(viewer, "log", FallbackDirectory(), cues, *run));
    const auto report = WaitForReport(fallback.File("LogBrowse.exe"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->pid, viewer.Pid());
    // It still runs in the program directory.
    EXPECT_EQ(fs::path(report->workingDirectory), program.Path());
    EXPECT_EQ(cues.errors, 1);
    EXPECT_EQ(LinesAfterStart(), (std::vector<std::string>{"000001 " + kFirstFailure}));
}

TEST_F(LogViewerTest, ViewerMissingEverywhereGivesTwoCuesAndTwoLines) {
    ChildProcess viewer;
    EXPECT_FALSE(StartLogViewer(viewer, "log", FallbackDirectory(), cues, *run));
    EXPECT_TRUE(viewer.Empty());
    EXPECT_EQ(cues.errors, 2);
    EXPECT_EQ(LinesAfterStart(),
              (std::vector<std::string>{"000001 " + kFirstFailure,
                                        "000001 Could Not Find Debug  " + FallbackDirectory() +
                                            "LogBrowse.exe.  Cannot View Log Files"}));
}

}  // namespace
}  // namespace quorvel

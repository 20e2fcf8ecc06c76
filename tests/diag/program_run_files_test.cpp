// The files a run writes stay in its program directory: a log folder that is a link, a log
// file with other names, a program directory deleted before the start.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "diag/port_backend.h"
#include "diag/program_run.h"
#include "support/fake_clock.h"
#include "support/recording_port_backend.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;

const std::string kStart = "------------------PROGRAM START--------------------";
const std::string kEnd = "------------------PROGRAM END--------------------";

// A scratch directory holding the program directory "program" (the working directory while
// the case runs) and a folder "elsewhere" with a file that must not change.
class ProgramRunFiles : public ::testing::Test {
protected:
    ProgramRunFiles() : m_previous(fs::current_path()) {
        fs::create_directories(program);
        fs::create_directories(elsewhere);
        WriteBytes((elsewhere / "QuorvelII.Log").string(), "VICTIM\n");
        fs::current_path(program);
    }
    ~ProgramRunFiles() override { fs::current_path(m_previous); }

    // One whole run: start record, a line, end record.
    void Run() {
        ProgramRunOptions options;
        options.clock = &clock;
        options.portBackend = testing::RecordingBackends(std::make_shared<testing::PortRecord>());
        options.platformOut = &platformOut;
        options.errorOut = &errors;
        ProgramRun run(options);
        run.StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");
        run.LogLine("a line", 1);
        run.EndRecord();
    }
    std::string Victim() const { return ReadBytes((elsewhere / "QuorvelII.Log").string()); }

    ScratchDirectory scratch;
    const fs::path program = scratch.Path() / "program";
    const fs::path elsewhere = scratch.Path() / "elsewhere";
    testing::FakeClock clock;
    std::ostringstream platformOut;
    std::ostringstream errors;

private:
    fs::path m_previous;
};

// A link at either step of the log folder is not followed: the log goes into the program
// directory, as it does without a log folder, and standard error says why.
TEST_F(ProgramRunFiles, LinkedLogFolderIsNotFollowed) {
    for (const std::string linked : {"SYSTEM", "SYSTEM/ERLOGS"}) {
        SCOPED_TRACE(linked);
        fs::remove_all(program / "SYSTEM");
        fs::remove(program / "QuorvelII.Log");
        errors.str("");
        if (linked == "SYSTEM") {
            fs::create_directories(elsewhere / "ERLOGS");
            fs::rename(elsewhere / "QuorvelII.Log", elsewhere / "ERLOGS" / "QuorvelII.Log");
            fs::create_directory_symlink(elsewhere, program / "SYSTEM");
        } else {
            fs::create_directories(program / "SYSTEM");
            fs::create_directory_symlink(elsewhere, program / "SYSTEM" / "ERLOGS");
        }
        Run();
        const fs::path victim = linked == "SYSTEM" ? elsewhere / "ERLOGS" / "QuorvelII.Log"
                                                   : elsewhere / "QuorvelII.Log";
        EXPECT_EQ(ReadBytes(victim.string()), "VICTIM\n");
        const std::string log = ReadBytes((program / "QuorvelII.Log").string());
        EXPECT_NE(log.find(kStart), std::string::npos);
        EXPECT_NE(log.find(kEnd), std::string::npos);
        EXPECT_NE(errors.str().find("QuorvelII: The log directory " + program.string() +
                                    "/SYSTEM/ERLOGS is reached through a symbolic link"),
                  std::string::npos)
            << errors.str();
        if (linked == "SYSTEM") {
            fs::rename(elsewhere / "ERLOGS" / "QuorvelII.Log", elsewhere / "QuorvelII.Log");
        }
    }
}

// A log with another name elsewhere is not emptied: a new file takes the log's name.
TEST_F(ProgramRunFiles, HardLinkAtTheLogNameKeepsTheOtherFile) {
    fs::create_hard_link(elsewhere / "QuorvelII.Log", program / "QuorvelII.Log");
    Run();
    EXPECT_EQ(Victim(), "VICTIM\n");
    EXPECT_EQ(fs::hard_link_count(elsewhere / "QuorvelII.Log"), 1u);
    const std::string log = ReadBytes((program / "QuorvelII.Log").string());
    EXPECT_EQ(log.find("VICTIM"), std::string::npos);
    EXPECT_NE(log.find(kEnd), std::string::npos);
    EXPECT_EQ(errors.str(), "");
}

// Started in a directory that was deleted: no program directory, no file anywhere (the root
// least of all), and standard error says so, as it says what no log can take.
TEST_F(ProgramRunFiles, DeletedProgramDirectoryWritesNothingAnywhere) {
    const bool rootLogBefore = fs::exists("/QuorvelII.Log") || fs::exists("/SYSTEM");
    fs::remove(program);

    ProgramRunOptions options;
    options.clock = &clock;
    options.portBackend = [] { return std::unique_ptr<PortBackend>(); };
    options.platformOut = &platformOut;
    options.errorOut = &errors;
    ProgramRun run(options);
    run.StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");
    EXPECT_EQ(run.ProgramDirectory(), "");
    EXPECT_FALSE(run.ProgramFolder().IsOpen());
    EXPECT_FALSE(run.LogLine("lost", 1));
    EXPECT_FALSE(run.Report("told", 1));
    run.EndRecord();

    EXPECT_EQ(errors.str(),
              "QuorvelII: no program directory: the working directory no longer exists; the "
              "program starts with its defaults and writes no file\n"
              "QuorvelII: told\n");
    if (!rootLogBefore) {
        EXPECT_FALSE(fs::exists("/QuorvelII.Log"));
    }
    EXPECT_EQ(testing::EntryNames(scratch.Path()), std::vector<std::string>{"elsewhere"});
}

}  // namespace
}  // namespace quorvel

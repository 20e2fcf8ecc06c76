#include "diag/driver_install.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "diag/detached_process.h"
#include "diag/port_io.h"
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

// Waits for a process outside the test to do something: polls `done` for up to ten seconds.
template <typename Condition>
bool Eventually(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(CreateInstallerTest, ReportsThePlatformAndMakesNoInstaller) {
    std::ostringstream out;
    EXPECT_EQ(CreateInstaller(out), nullptr);

    struct utsname names {};
    ASSERT_EQ(uname(&names), 0);
    std::istringstream lines(out.str());
    std::string platform;
    std::string major;
    std::string minor;
    std::getline(lines, platform);
    std::getline(lines, major);
    std::getline(lines, minor);
    EXPECT_EQ(platform, std::string("The platform is ") + names.sysname);
    const std::string majorPrefix = "The major version is ";
    const std::string minorPrefix = "The minor version is ";
    ASSERT_EQ(major.rfind(majorPrefix, 0), 0u);
    ASSERT_EQ(minor.rfind(minorPrefix, 0), 0u);
    // "6.1.0-18-amd64" gives 6 and 1.
    const std::string release =
        major.substr(majorPrefix.size()) + "." + minor.substr(minorPrefix.size()) + ".";
    EXPECT_EQ(std::string(names.release).rfind(release, 0), 0u) << names.release;
    EXPECT_EQ(lines.get(), std::char_traits<char>::eof());
}

TEST(EnsureDriverTest, PresentBackendNeedsNoInstaller) {
    auto record = std::make_shared<testing::PortRecord>();
    DriverState driver;
    std::ostringstream out;
    EXPECT_TRUE(EnsureDriver(driver, testing::RecordingBackends(record), out));
    EXPECT_EQ(driver.version.number, 603);
    EXPECT_EQ(out.str(), "");
}

TEST(EnsureDriverTest, MissingBackendRecordsWhyAndThatNothingCanBeInstalled) {
    auto record = std::make_shared<testing::PortRecord>();
    record->present = false;
    record->absentReason = "ioperm on port 0x43: Operation not permitted";
    DriverState driver;
    std::ostringstream out;
    EXPECT_FALSE(EnsureDriver(driver, testing::RecordingBackends(record), out));
    EXPECT_EQ(driver.errorText,
              "No port access (ioperm on port 0x43: Operation not permitted) and no driver "
              "installer for " +
                  CurrentPlatform().name + ".\n");
    EXPECT_FALSE(out.str().empty());
}

// An installer whose manager may or may not open, recording what it is asked.
class FakeInstaller final : public LoadDriver {
public:
    explicit FakeInstaller(bool managerOpen) : m_managerOpen(managerOpen) {}
    bool Install() override { return calls += "install ", true; }
    bool Remove() override { return true; }
    bool Start() override { return calls += "start ", true; }
    bool Stop() override { return true; }
    bool OpenManager() override { return m_managerOpen; }
    void CloseManager() override {}

    std::string calls;

protected:
    bool ManagerOpen() const override { return m_managerOpen; }

private:
    bool m_managerOpen;
};

TEST(InstallDriverServiceTest, InstallsAndStartsTheDriverService) {
    DriverState driver;
    FakeInstaller installer(true);
    EXPECT_TRUE(InstallDriverService(driver, &installer));
    EXPECT_EQ(installer.calls, "install start ");
    EXPECT_EQ(installer.DriverName(), "WinDriver");
    EXPECT_EQ(installer.FileName(), "WINDRVR6");
    EXPECT_EQ(installer.StartType(), 2);
    EXPECT_FALSE(installer.RegistryMethod());
}

TEST(InstallDriverServiceTest, InstallerWithoutManagerFailsInit) {
    DriverState driver;
    FakeInstaller installer(false);
    EXPECT_FALSE(InstallDriverService(driver, &installer));
    EXPECT_EQ(driver.errorText, "WINDRVR6 Init failed.  Try rebooting machine.\n");
    EXPECT_EQ(installer.calls, "");
}

TEST(LoadDriverTest, MessagesCollectUpTo2000Characters) {
    FakeInstaller installer(true);
    EXPECT_FALSE(installer.HasMessage());
    installer.AddWarning("careful\n");
    EXPECT_TRUE(installer.HasWarning());
    EXPECT_FALSE(installer.HasError());
    installer.AddError(std::string(2500, 'e'));
    EXPECT_TRUE(installer.HasError());
    EXPECT_EQ(installer.Messages().size(), 2000u);
    EXPECT_EQ(installer.Messages().substr(0, 8), "careful\n");
    installer.ClearMessages();
    EXPECT_FALSE(installer.HasMessage() || installer.HasError() || installer.HasWarning());
}

TEST(StartScriptDetachedTest, RunsTheScriptInTheCurrentDirectoryAndLeavesNoZombie) {
    ScratchDirectory scratch;
    WriteBytes(scratch.File("job.sh"),
               "read line\n"
               "echo \"[$line]\" > stdin.txt\n"
               "if [ -e /proc/$$/fd/50 ]; then echo open; else echo closed; fi > fd.txt\n"
               "pwd > where.txt\n");
    // A descriptor of the program that is not marked close-on-exec.
    const int inherited = ::dup2(::open("/dev/null", O_RDONLY), 50);
    ASSERT_EQ(inherited, 50);

    const fs::path previous = fs::current_path();
    fs::current_path(scratch.Path());
    std::string reason;
    const pid_t pid = StartScriptDetached(scratch.File("job.sh"), reason);
    fs::current_path(previous);
    ::close(inherited);
    ASSERT_GT(pid, 0) << reason;

    ASSERT_TRUE(Eventually([&] { return fs::exists(scratch.Path() / "where.txt"); }));
    // Collected when it ends: its process entry goes, rather than staying as a zombie.
    EXPECT_TRUE(Eventually([&] { return !fs::exists("/proc/" + std::to_string(pid)); }));
    EXPECT_EQ(ReadBytes(scratch.File("where.txt")), scratch.Path().string() + "\n");
    EXPECT_EQ(ReadBytes(scratch.File("stdin.txt")), "[]\n");
    EXPECT_EQ(ReadBytes(scratch.File("fd.txt")), "closed\n");
}

class InstallFromToolsTest : public ::testing::Test {
protected:
    InstallFromToolsTest() : m_previous(fs::current_path()) { fs::current_path(scratch.Path()); }
    ~InstallFromToolsTest() override { fs::current_path(m_previous); }

    std::vector<std::string> LogTexts() const {
        std::vector<std::string> texts;
        std::ifstream in(scratch.Path() / "QuorvelII.Log");
        for (std::string line; std::getline(in, line);) {
            // "000001  123:14:05:09.123456  " comes before each text.
            texts.push_back(line.size() >= 29 ? line.substr(29) : line);
        }
        return texts;
    }

    ScratchDirectory scratch;
    testing::FakeClock clock;
    std::ostringstream platformOut;

private:
    fs::path m_previous;
};

TEST_F(InstallFromToolsTest, StartsTheToolsScriptAndLogsTheFailedCheckAfterIt) {
    fs::create_directories(scratch.Path() / "DriverTools");
    WriteBytes((scratch.Path() / "DriverTools" / "DrvLoad.sh").string(), "pwd > ran.txt\n");
    ProgramRunOptions options;
    options.clock = &clock;
    options.portBackend = [] { return std::unique_ptr<PortBackend>(); };
    options.platformOut = &platformOut;
    ProgramRun run(options);
    run.StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");

    const std::string failure = "No port access (no port backend) and no driver installer for " +
                                CurrentPlatform().name + ".";
    const std::vector<std::string> texts = LogTexts();
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[5], "Attempting to install HARDWARE DRIVER..........");
    EXPECT_EQ(texts[6], failure);
    EXPECT_EQ(texts[7], "");
    EXPECT_EQ(
        texts[8],
        "ATTEMPT TO INSTALL HARDWARE DRIVER FAILED.  CANNOT NOT TALK TO HARDWARE!!!!!!!!!!!!!!");
    // The check ran twice, each time reporting the platform.
    const std::string platformLines = platformOut.str();
    EXPECT_EQ(std::count(platformLines.begin(), platformLines.end(), '\n'), 6);
    // Back in the program directory; the script ran in the tools directory.
    EXPECT_EQ(fs::current_path(), scratch.Path());
    const fs::path ran = scratch.Path() / "DriverTools" / "ran.txt";
    ASSERT_TRUE(Eventually([&] { return fs::exists(ran) && fs::file_size(ran) > 0; }));
    EXPECT_EQ(ReadBytes(ran.string()), (scratch.Path() / "DriverTools").string() + "\n");
}

TEST(DriverToolsScriptTest, IsInTheToolsFolderUnderTheProgramDirectory) {
    EXPECT_EQ(DriverToolsScript("/opt/quorvel"), "/opt/quorvel/DriverTools/DrvLoad.sh");
    // The program directory is taken as it stands.
    EXPECT_EQ(DriverToolsScript("/opt/a\\b"), "/opt/a\\b/DriverTools/DrvLoad.sh");
}

}  // namespace
}  // namespace quorvel

#include "shell/child_process.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fake_viewer.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::FakeViewerReport;
using testing::NotOurChild;
using testing::ProcessGone;
using testing::ScratchDirectory;
using testing::WaitForReport;
using testing::WriteFakeViewer;

// Each case runs with a scratch directory as its current directory, the way the program runs
// in its program directory.
class ChildProcessTest : public ::testing::Test {
protected:
    ChildProcessTest() : m_previous(fs::current_path()) { fs::current_path(scratch.Path()); }
    ~ChildProcessTest() override { fs::current_path(m_previous); }

    ScratchDirectory scratch;

private:
    fs::path m_previous;
};

TEST_F(ChildProcessTest, BareNameIsStartedFromTheCurrentDirectoryWithTheWholeCommandLine) {
    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    ASSERT_TRUE(
        StartChildProcess("viewer", "\\SYSTEM\\ERLOGS\\\\QuorvelII.log with spaces", false, child));
    ASSERT_FALSE(child.Empty());

    const std::optional<FakeViewerReport> report = WaitForReport(scratch.File("viewer"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->pid, child.Pid());
    EXPECT_EQ(report->argumentCount, 1);
    EXPECT_EQ(report->firstArgument, "\\SYSTEM\\ERLOGS\\\\QuorvelII.log with spaces");
    EXPECT_EQ(fs::path(report->workingDirectory), scratch.Path());
    StopChildProcess(child);
}

TEST_F(ChildProcessTest, EmptyCommandLineGivesNoArgument) {
    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess(scratch.File("viewer"), "", false, child));
    const std::optional<FakeViewerReport> report = WaitForReport(scratch.File("viewer"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->argumentCount, 0);
}

TEST_F(ChildProcessTest, ChildGetsNoDescriptorOfTheProgramAndReadsNothing) {
    // A descriptor without close-on-exec, as a library might leave one open.
    const int fd = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::dup2(fd, testing::kMarkerDescriptor), testing::kMarkerDescriptor);
    ::close(fd);

    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    const bool started = StartChildProcess("viewer", "log", false, child);
    ::close(testing::kMarkerDescriptor);
    ASSERT_TRUE(started);
    const std::optional<FakeViewerReport> report = WaitForReport(scratch.File("viewer"));
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->markerOpen);
    EXPECT_EQ(report->input, "/dev/null");
}

// Whether this system lets a process of ours take SCHED_IDLE (a container may forbid it).
bool IdleSchedulingAllowed() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        sched_param parameter{};
        ::_exit(::sched_setscheduler(0, SCHED_IDLE, &parameter) == 0 ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

TEST_F(ChildProcessTest, IdlePriorityRunsTheChildInTheIdleClass) {
    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess("viewer", "log", true, child));
    const int policy = ::sched_getscheduler(child.Pid());
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(child.Pid()));
    if (IdleSchedulingAllowed()) {
        EXPECT_EQ(policy, SCHED_IDLE);
    } else {
        EXPECT_EQ(nice, 19);
    }

    ChildProcess normal;
    WriteFakeViewer(scratch.File("other"));
    ASSERT_TRUE(StartChildProcess("other", "log", false, normal));
    EXPECT_NE(::sched_getscheduler(normal.Pid()), SCHED_IDLE);
    EXPECT_EQ(::getpriority(PRIO_PROCESS, static_cast<id_t>(normal.Pid())),
              ::getpriority(PRIO_PROCESS, 0));
}

TEST_F(ChildProcessTest, ProgramThatCannotBeStartedLeavesTheHandleEmpty) {
    ChildProcess child;
    // "sleep" exists on the search path, but a bare name is only looked for here.
    EXPECT_FALSE(StartChildProcess("sleep", "1", true, child));
    EXPECT_TRUE(child.Empty());
    EXPECT_FALSE(StartChildProcess(scratch.File("missing"), "log", true, child));
    EXPECT_FALSE(StartChildProcess("", "log", false, child));

    // Present but not executable, and a directory.
    testing::WriteBytes(scratch.File("plain"), "#!/bin/sh\nexit 0\n");
    EXPECT_FALSE(StartChildProcess("plain", "log", true, child));
    fs::create_directory(scratch.Path() / "folder");
    EXPECT_FALSE(StartChildProcess("folder", "log", true, child));
    EXPECT_TRUE(child.Empty());
}

TEST_F(ChildProcessTest, StopEndsAndReapsTheChildAndClearsTheHandle) {
    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess("viewer", "log", true, child));
    const pid_t pid = child.Pid();
    ASSERT_TRUE(WaitForReport(scratch.File("viewer")));

    StopChildProcess(child);
    EXPECT_TRUE(child.Empty());
    EXPECT_EQ(child.Pid(), 0);
    EXPECT_TRUE(NotOurChild(pid));
    EXPECT_TRUE(ProcessGone(pid));

    // A second stop, and a stop of an empty handle, do nothing.
    StopChildProcess(child);
    EXPECT_TRUE(child.Empty());
}

TEST_F(ChildProcessTest, ChildThatIgnoresTerminationIsKilledAfterTheGrace) {
    WriteFakeViewer(scratch.File("stubborn"), true);
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess("stubborn", "log", false, child));
    const pid_t pid = child.Pid();
    // Only once the script has set its trap is SIGTERM ignored.
    ASSERT_TRUE(WaitForReport(scratch.File("stubborn")));

    StopChildProcess(child, std::chrono::milliseconds(50));
    EXPECT_TRUE(child.Empty());
    EXPECT_TRUE(NotOurChild(pid));
    EXPECT_TRUE(ProcessGone(pid));
}

TEST_F(ChildProcessTest, ChildThatHasAlreadyEndedIsReapedByStop) {
    testing::WriteBytes(scratch.File("quick"), "#!/bin/sh\nexit 3\n");
    fs::permissions(scratch.Path() / "quick", fs::perms::owner_all);
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess("quick", "", false, child));
    const pid_t pid = child.Pid();
    // Wait for the exit without reaping it: the child is a zombie now.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT), 0);

    StopChildProcess(child);
    EXPECT_TRUE(child.Empty());
    EXPECT_TRUE(ProcessGone(pid));
}

TEST_F(ChildProcessTest, StartingAgainEndsTheChildTheHandleHeld) {
    WriteFakeViewer(scratch.File("viewer"));
    ChildProcess child;
    ASSERT_TRUE(StartChildProcess("viewer", "first", false, child));
    const pid_t first = child.Pid();
    ASSERT_TRUE(StartChildProcess("viewer", "second", false, child));
    EXPECT_NE(child.Pid(), first);
    EXPECT_TRUE(ProcessGone(first));

    // A failed start also leaves nothing of the earlier child.
    const pid_t second = child.Pid();
    EXPECT_FALSE(StartChildProcess("missing", "third", false, child));
    EXPECT_TRUE(child.Empty());
    EXPECT_TRUE(ProcessGone(second));
}

TEST_F(ChildProcessTest, HandleGoingOutOfScopeEndsItsChild) {
    WriteFakeViewer(scratch.File("viewer"));
    pid_t pid = 0;
    {
        ChildProcess child;
        ASSERT_TRUE(StartChildProcess("viewer", "log", false, child));
        pid = child.Pid();
    }
    EXPECT_TRUE(ProcessGone(pid));
}

}  // namespace
}  // namespace quorvel

#include "shell/child_process.h"

#include "diag/spawn_setup.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <thread>

extern char** environ;

namespace quorvel {

namespace {

// The nice value used where SCHED_IDLE is refused: the lowest priority a process can ask for.
constexpr int kIdleNice = 19;
// How often the wait for an exit looks again where the kernel offers no process descriptor.
constexpr std::chrono::milliseconds kExitPollStep{5};

int OpenProcessDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    errno = ENOSYS;
    return -1;
#endif
}

int SendSignal(pid_t pid, int pidfd, int signalNumber) {
#ifdef SYS_pidfd_send_signal
    if (pidfd >= 0) {
        return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, signalNumber, nullptr, 0));
    }
#else
    (void)pidfd;
#endif
    return ::kill(pid, signalNumber);
}

// Starts the program; the process id, or -1.
pid_t Spawn(const std::string& program, char* const argv[]) {
    SpawnSetup setup;
    if (!setup.Prepare()) {
        return -1;
    }
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), setup.Actions(), setup.Attributes(), argv, environ) !=
        0) {
        return -1;
    }
    return pid;
}

// Moves a just-started child to the idle class: SCHED_IDLE, or nice 19 where that policy is
// refused (a container's rules, an old kernel). The spawn attributes cannot carry SCHED_IDLE
// (glibc accepts only SCHED_OTHER, SCHED_FIFO and SCHED_RR there), so the policy is set on
// the child right after it started, while it is still loading its program and has no threads
// of its own that would keep the old one.
void LowerToIdle(pid_t pid) {
    sched_param parameter{};
    parameter.sched_priority = 0;
    if (::sched_setscheduler(pid, SCHED_IDLE, &parameter) != 0) {
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(pid), kIdleNice);
    }
}

// Waits up to `grace` for the process to end (it is not reaped here); true when it has.
bool WaitForExit(pid_t pid, int pidfd, std::chrono::milliseconds grace) {
    const auto deadline = std::chrono::steady_clock::now() + grace;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (pidfd >= 0) {
            // The descriptor becomes readable when the process ends.
            pollfd entry{pidfd, POLLIN, 0};
            const int ready =
                ::poll(&entry, 1, static_cast<int>(std::max<long long>(0, left.count())));
            if (ready > 0) {
                return true;
            }
            if (ready == 0 || errno != EINTR) {
                return false;
            }
            continue;
        }
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            info.si_pid == pid) {
            return true;
        }
        if (left.count() <= 0) {
            return false;
        }
        std::this_thread::sleep_for(std::min(left, kExitPollStep));
    }
}

}  // namespace

ChildProcess::~ChildProcess() {
    StopChildProcess(*this);
}

bool StartChildProcess(std::string_view programFile, std::string_view commandLine,
                       bool idlePriority, ChildProcess& handle) {
    StopChildProcess(handle);

    std::string program(programFile);
    std::string argument(commandLine);
    char* argv[] = {program.data(), argument.empty() ? nullptr : argument.data(), nullptr};

    const pid_t pid = Spawn(program, argv);
    if (pid <= 0) {
        return false;
    }
    if (idlePriority) {
        LowerToIdle(pid);
    }
    handle.m_pid = pid;
    handle.m_pidfd = OpenProcessDescriptor(pid);
    return true;
}

void StopChildProcess(ChildProcess& handle, std::chrono::milliseconds grace) {
    if (handle.m_pid <= 0) {
        return;
    }
    const pid_t pid = handle.m_pid;
    const int pidfd = handle.m_pidfd;
    handle.m_pid = 0;
    handle.m_pidfd = -1;

    SendSignal(pid, pidfd, SIGTERM);
    if (!WaitForExit(pid, pidfd, grace)) {
        SendSignal(pid, pidfd, SIGKILL);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (pidfd >= 0) {
        ::close(pidfd);
    }
}

}  // namespace quorvel

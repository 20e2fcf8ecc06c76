#pragma once
// Starting a program as a child process that runs beside this one, and ending it again. The
// About box runs the log viewer this way: started at idle priority, ended when the box closes
// or when the viewer is started anew.

#include <sys/types.h>

#include <chrono>
#include <string_view>

namespace quorvel {

// How long a child is given to end by itself after SIGTERM before SIGKILL ends it.
inline constexpr std::chrono::milliseconds kChildStopGrace{1000};

// The handle of a started child process; empty when none. It refers to the process by a
// process file descriptor where the kernel offers one, so a signal can never reach another
// process that was later given the same id. A handle that goes out of scope stops its
// process, so a child never outlives every handle to it.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Empty() const { return m_pid <= 0; }
    // The process id; 0 when empty.
    pid_t Pid() const { return m_pid; }

private:
    friend bool StartChildProcess(std::string_view, std::string_view, bool, ChildProcess&);
    friend void StopChildProcess(ChildProcess&, std::chrono::milliseconds);

    pid_t m_pid = 0;
    int m_pidfd = -1;
};

// Starts `programFile` as given: a name without a directory is looked for in the current
// directory, not on the search path. `commandLine` is handed to the program whole, as its one
// argument (none when it is empty). The child gets the caller's environment and current
// directory, /dev/null as input, the caller's output and error streams and no other
// descriptor, nothing blocked and every signal at its default. With `idlePriority` it runs
// under SCHED_IDLE, or at nice 19 where that policy is refused. A process that `handle`
// still holds is stopped first. True, with the process in `handle`, when it was started;
// false, `handle` empty, when it could not be (no such file, not executable).
bool StartChildProcess(std::string_view programFile, std::string_view commandLine,
                       bool idlePriority, ChildProcess& handle);

// Ends the process in `handle`: SIGTERM, then SIGKILL when it has not ended within `grace`.
// The process is always reaped, so no zombie is left, and the handle is cleared. Nothing
// happens for an empty handle; failures (a process already gone) are ignored.
void StopChildProcess(ChildProcess& handle, std::chrono::milliseconds grace = kChildStopGrace);

}  // namespace quorvel

#include "diag/detached_process.h"

#include "diag/spawn_setup.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace quorvel {

pid_t StartScriptDetached(std::string_view scriptPath, std::string& reason) {
    SpawnSetup setup;
    if (!setup.Prepare()) {
        reason = "cannot prepare the process start";
        return -1;
    }
    std::string shell = "/bin/sh";
    std::string script(scriptPath);
    char* argv[] = {shell.data(), script.data(), nullptr};
    pid_t pid = -1;
    const int error =
        posix_spawn(&pid, shell.c_str(), setup.Actions(), setup.Attributes(), argv, environ);
    if (error != 0) {
        reason = std::system_category().message(error);
        return -1;
    }
    // The program does not wait for the script, but its exit status still has to be
    // collected, or it would stay behind as a zombie for the rest of the run.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return pid;
}

}  // namespace quorvel

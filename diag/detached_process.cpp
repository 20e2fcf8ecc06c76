#include "diag/detached_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace quorvel {

namespace {

// Owns the spawn attributes and file actions for the length of one spawn.
class SpawnSetup {
public:
    SpawnSetup() {
        m_ready = posix_spawnattr_init(&m_attributes) == 0;
        m_ready = posix_spawn_file_actions_init(&m_actions) == 0 && m_ready;
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // A fresh signal state (nothing blocked, every handler at its default, as a shell expects
    // after exec anyway), /dev/null as input, the program's own descriptors closed.
    bool Prepare() {
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        return m_ready && posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &all) == 0 &&
               posix_spawnattr_setflags(&m_attributes,
                                        POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_addclosefrom_np(&m_actions, 3) == 0;
    }

    const posix_spawnattr_t* Attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }

private:
    bool m_ready = false;
    posix_spawnattr_t m_attributes{};
    posix_spawn_file_actions_t m_actions{};
};

}  // namespace

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

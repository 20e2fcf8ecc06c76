#include "diag/spawn_setup.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace quorvel {

SpawnSetup::SpawnSetup() {
    m_ready = posix_spawnattr_init(&m_attributes) == 0;
    m_ready = posix_spawn_file_actions_init(&m_actions) == 0 && m_ready;
}

SpawnSetup::~SpawnSetup() {
    posix_spawn_file_actions_destroy(&m_actions);
    posix_spawnattr_destroy(&m_attributes);
}

bool SpawnSetup::Prepare() {
    if (!m_ready) {
        return false;
    }
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    return posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
           posix_spawnattr_setsigdefault(&m_attributes, &all) == 0 &&
           posix_spawnattr_setflags(&m_attributes,
                                    POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0 &&
           posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) ==
               0 &&
           posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1) == 0;
}

}  // namespace quorvel

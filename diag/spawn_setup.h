#pragma once
// The start of a child process that knows nothing of this program: a fresh signal state (the
// GUI may block or catch signals the child expects at their defaults), /dev/null as input and
// none of the program's own descriptors beyond standard output and error.

#include <spawn.h>

namespace quorvel {

// Owns the spawn attributes and file actions for the length of one posix_spawn.
class SpawnSetup {
public:
    SpawnSetup();
    ~SpawnSetup();
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // Fills in the clean start; false when the attributes could not be set.
    bool Prepare();

    const posix_spawnattr_t* Attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }

private:
    bool m_ready = false;
    posix_spawnattr_t m_attributes{};
    posix_spawn_file_actions_t m_actions{};
};

}  // namespace quorvel

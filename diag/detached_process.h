#pragma once
// Starting a shell script as a process of its own that the program does not wait for. The
// script runs with the current directory of the moment, standard input from /dev/null and no
// descriptors of the program beyond the standard three; its exit is collected in the
// background, so no zombie is left behind.

#include <string>
#include <string_view>

#include <sys/types.h>

namespace quorvel {

// Runs /bin/sh with the script. The process id, or -1 with `reason` set when /bin/sh could
// not be started.
pid_t StartScriptDetached(std::string_view scriptPath, std::string& reason);

}  // namespace quorvel

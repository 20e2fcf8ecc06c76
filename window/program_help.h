#pragma once
// What the window program answers on its command line. QuorvelII takes no arguments; only
// "--help" and "--version" on their own are answered, before the window starts, so that
// they need no display (its manual page is made from them). Any other command line starts
// the window as it always has.

#include <string>
#include <string_view>

namespace quorvel {

enum class ProgramRequest { StartWindow, Help, Version };

ProgramRequest ReadProgramArguments(int argc, const char* const* argv);

// The text of "--help": what the program is and its pages, its program directory and files,
// its keys.
std::string ProgramHelpText();
// The text of "--version": "QuorvelII 2.05" and the maker's copyright line.
std::string ProgramVersionText();

}  // namespace quorvel

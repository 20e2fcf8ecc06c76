#pragma once
// "About": the box naming the program, its version and maker, with a button that starts the
// log viewer on the program's log file.

#include <string_view>

class QWidget;

namespace quorvel {

class ProgramRun;

// Runs the About box modally over `owner` with the program's texts; the run supplies the
// program directory, the error cue and the error log.
void ShowAboutBox(QWidget* owner, ProgramRun& run, std::string_view productName,
                  std::string_view version, std::string_view comments,
                  std::string_view logDirectory, std::string_view logName);

}  // namespace quorvel

#pragma once
// The log viewer "LogBrowse.exe", started from the About box on the program's log file. It is
// looked for first in the current directory (the program directory) and then in a fallback
// directory: the directory of the running program's executable, where the build puts it.

#include <string>
#include <string_view>

namespace quorvel {

class ChildProcess;
class Cues;
class ProgramRun;

inline constexpr std::string_view kLogViewerFile = "LogBrowse.exe";

// The viewer's command line: log directory + "\" + log name + ".log". With the program's
// texts this is "\SYSTEM\ERLOGS\\QuorvelII.log" (the log directory already ends in "\").
std::string LogViewerCommandLine(std::string_view logDirectory, std::string_view logName);

// The directory of the running executable with a trailing "/", from /proc/self/exe; "" when
// it cannot be read.
std::string ExecutableDirectory();

// Starts the viewer at idle priority with `commandLine` into `viewer` (which the caller has
// stopped): "LogBrowse.exe" in the current directory first. When that cannot be started, the
// error cue sounds and the log gets "Could Not Find LogBrowse.exe.  Looking in Debug
// Directory.  BUILD ERROR FOR INSTALL." (code 1); then `fallbackDirectory` + "LogBrowse.exe"
// is tried, and when that fails too, the error cue sounds again and the log gets "Could Not
// Find Debug  " + that full path + ".  Cannot View Log Files" (code 1). True when a viewer
// runs.
bool StartLogViewer(ChildProcess& viewer, std::string_view commandLine,
                    std::string_view fallbackDirectory, Cues& cues, ProgramRun& run);

}  // namespace quorvel

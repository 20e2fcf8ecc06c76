#pragma once
// Where a run's error log goes: "<program word>.Log" in the log directory under the program
// directory when that directory exists, else "<log name>.Log" relative to the current
// directory (which the log keeps at the program directory).

#include <string>
#include <string_view>

namespace quorvel {

// The log file name as a file-system path. An empty log name is "LogFile". With a log
// directory (a program path text, for example "\SYSTEM\ERLOGS\") the candidate is the
// program directory as it stands, a separator, and the log directory made native
// ("/p//SYSTEM/ERLOGS/", the doubled separator read as one); it is used when it can be
// entered. Without one the disk is not looked at. Returns false (and leaves fileName alone)
// only when program word, log directory and log name are all empty.
bool LogFileName(std::string_view programDirectory, std::string_view programWord,
                 std::string_view logDirectory, std::string_view logName, std::string& fileName);

}  // namespace quorvel

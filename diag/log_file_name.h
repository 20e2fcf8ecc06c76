#pragma once
// Where a run's error log goes: "<program word>.Log" in the log directory under the program
// directory when that directory exists, else "<log name>.Log" relative to the current
// directory (which the log keeps at the program directory).

#include <string>
#include <string_view>

namespace quorvel {

// The log file name as a path text of the program's own ("\" separators). An empty log name
// is "LogFile". With a log directory (for example "\SYSTEM\ERLOGS\") the candidate is
// program directory + "\" + log directory, joined as they stand; it is used when it can be
// entered. Without one the disk is not looked at. Returns false (and leaves fileName alone)
// only when program word, log directory and log name are all empty.
bool LogFileName(std::string_view programDirectory, std::string_view programWord,
                 std::string_view logDirectory, std::string_view logName, std::string& fileName);

}  // namespace quorvel

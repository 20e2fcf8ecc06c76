#pragma once
// Where a run's error log goes: "<program word>.Log" in the log directory under the program
// directory when that directory exists, else "<log name>.Log" in the program directory.

#include <string>
#include <string_view>

#include "common/folder.h"

namespace quorvel {

// The log file's place. An empty log name is "LogFile". With a log directory (a program path
// text, for example "\SYSTEM\ERLOGS\") the log goes into that folder below the program
// folder when it can be entered; it is reached one step at a time without following a link,
// and a link on the way counts as no log directory, which `note` then says (it is left alone
// otherwise). Without a log directory the disk is not looked at. Returns false (and leaves
// `file` alone) only when program word, log directory and log name are all empty.
bool LogFileName(const Folder& programFolder, std::string_view programWord,
                 std::string_view logDirectory, std::string_view logName, FileAt& file,
                 std::string* note = nullptr);

}  // namespace quorvel

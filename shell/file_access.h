#pragma once
// The small file helpers around the settings file, and the one place where the program's own
// path texts (which use "\" as separator, "\SYSTEM\ERLOGS\") meet the file system.

#include <string>
#include <string_view>

namespace quorvel {

// The path text with every "\" turned into "/", ready for the file system. A doubled
// separator ("dir\\SYSTEM") stays doubled, which the file system reads as one.
std::string NativePath(std::string_view path);

// The current working directory, or "" when it cannot be read.
std::string CurrentDirectory();

// True when the file can be opened for reading (it is closed again at once).
bool FileReadable(std::string_view path);
// True when the directory can be made the current directory; the current directory is left
// as it was.
bool DirectoryUsable(std::string_view path);
// Copies `from` to `to` (created or replaced). Does nothing when `from` cannot be opened, and
// writes nothing when `to` cannot be opened. `to` is replaced as a whole, so a copy that fails
// halfway (a full disk) leaves the older `to` as it was.
void CopyFileBytes(std::string_view from, std::string_view to);
// When the file is readable, copies it to path + ".BAK", replacing an older backup.
void BackupFile(std::string_view path);
// Makes the path the current directory (a leading drive letter and colon is skipped, this
// platform has no drives); failures are ignored.
void EnterDirectory(std::string_view path);

}  // namespace quorvel

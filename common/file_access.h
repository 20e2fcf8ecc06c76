#pragma once
// The small file helpers around the settings file, and the one place where the program's own
// path texts (which use "\" as separator, "\SYSTEM\ERLOGS\") meet the file system.
//
// Paths from the system (the program directory) and paths a user gives are file-system paths
// and are taken as they stand: a "\" in them is part of a name. Only the program's own texts
// have their "\" turned into "/", through NativePath or ProgramPath. Every helper below takes
// file-system paths.

#include <string>
#include <string_view>

namespace quorvel {

// The program's own path text with every "\" turned into "/", ready for the file system. A
// doubled separator ("\\SYSTEM") stays doubled, which the file system reads as one.
std::string NativePath(std::string_view programText);

// A directory from the system or the user, taken as it stands, followed by a path text of the
// program's own ("\QuorvelII.Cfg", "\Files\Hardcopies\"), made native.
std::string ProgramPath(std::string_view directory, std::string_view programText);

// The current working directory, or "" when it cannot be read.
std::string CurrentDirectory();

// True when the file can be opened for reading (it is closed again at once).
bool FileReadable(std::string_view path);
// True when the directory can be made the current directory; the current directory is left
// as it was.
bool DirectoryUsable(std::string_view path);
// Copies `from` to `to` (created or replaced). Does nothing when `from` cannot be opened, and
// writes nothing when `to` cannot be opened. `to` is replaced as a whole and never written
// through a link, so a copy that fails halfway (a full disk) leaves the older `to` as it was.
void CopyFileBytes(std::string_view from, std::string_view to);
// When the file is readable, copies it to path + ".BAK", replacing an older backup.
void BackupFile(std::string_view path);
// Makes the path the current directory (a leading drive letter and colon is skipped, this
// platform has no drives); failures are ignored.
void EnterDirectory(std::string_view path);

}  // namespace quorvel

#pragma once
// Whole-file reads and replacements on file-system paths (already native, see NativePath).
// The settings file and its backup are small, so they are read and written in one piece.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class FileState { Read, Missing, Unreadable };

// The bytes of the regular file at `path`. `state` tells a missing file (no such file or
// directory) from one that exists but cannot be read (no permission, a directory, a pipe, a
// read error); the bytes are nullopt in both cases.
std::optional<std::string> ReadWholeFile(const std::string& path, FileState& state);

// Makes the file at `path` hold exactly `bytes`, creating it when missing (mode 0666 less the
// umask). On failure the file keeps its old contents and false is returned.
//
// The new bytes go into a temporary file beside the target, which is flushed to the disk,
// given the target's permission bits and owner, and renamed over it; a symbolic link is
// followed, so the link itself stays. When no temporary file can be made there (a read-only
// directory with a writable file) or the owner cannot be kept, the file is rewritten in place:
// the space it needs is reserved first, and the old contents are put back when the write
// still fails halfway.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

// The in-place rewrite on its own (the fallback above), for tests of that path.
bool RewriteFileInPlace(const std::string& path, std::string_view bytes);

}  // namespace quorvel

#pragma once
// Whole-file reads and replacements. A file is named by its place (FileAt): a name in an open
// folder, or a file-system path taken as it stands. The settings file, its backup and the
// hardcopies are small, so they are read and written in one piece.
//
// A file is never written through a symbolic link: new contents go into a temporary file
// made beside the final name (name + ".tmp" + process id + "-" + number, created exclusively
// and never through a link) and renamed onto the name, which replaces a link standing there
// rather than the file it points at. Nor is a file with other names (hard links) ever
// emptied or rewritten in place: those names would see the change.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/folder.h"

namespace quorvel {

// What a read found: the file read, no such file, a file that cannot be read, or one larger
// than the read's limit.
enum class FileState { Read, Missing, Unreadable, TooLarge };

// No limit on the size of a file read.
inline constexpr std::size_t kNoSizeLimit = static_cast<std::size_t>(-1);

// Whether a read may follow a symbolic link at the path.
enum class Links { Follow, Refuse };

// The bytes of the regular file at `path`. `state` tells a missing file (no such file or
// directory) from one that exists but cannot be read (no permission, a directory, a pipe, a
// read error, or a link when links are refused) and from one of more than `limit` bytes,
// which is not read at all; the bytes are nullopt in each case.
std::optional<std::string> ReadWholeFile(const FileAt& path, FileState& state,
                                         Links links = Links::Follow,
                                         std::size_t limit = kNoSizeLimit);

// The steps of a replacement that change the disk, in the order they are taken.
enum class FileStep { CreateTemporary, WriteTemporary, FlushTemporary, Rename };
// What a step check makes of the step: Go takes it; Fail makes it fail as a full disk would
// (the temporary file is removed and the target stays as it was); Stop ends the replacement
// right there, leaving everything as a process killed at that moment would.
enum class StepVerdict { Go, Fail, Stop };
// Asked before every step with the path the step acts on; tests use it to cut a save short.
using FileStepCheck = std::function<StepVerdict(FileStep step, const std::string& path)>;

// The permission bits and owner that a replacement gives its new file.
struct FileAttributes {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// The attributes of the regular file at `path` itself (a link has none); nullopt otherwise.
std::optional<FileAttributes> RegularFileAttributes(const FileAt& path);

// Makes `path` hold exactly `bytes` in one step that a crash cannot cut in half: the temporary
// file is written, flushed to the disk, given `attributes` (when given; the owner only where
// the system allows it) and renamed onto `path`, and the directory is flushed after it. On
// failure `path` is as it was, no temporary file is left, false is returned and `error` holds
// the reason. A directory or other non-regular file at `path` is refused.
bool ReplaceFileAtomically(const FileAt& path, std::string_view bytes,
                           const FileAttributes* attributes, std::string& error,
                           const FileStepCheck& check = {});

// Makes the file at `path` hold exactly `bytes`, creating it when missing (mode 0666 less the
// umask). On failure the file keeps its old contents and false is returned, with errno set
// where the system gave a reason.
//
// A regular file keeps its permission bits and owner. When no temporary file can be made
// beside it (a read-only directory with a writable file) or the owner cannot be kept, a
// file without other names is rewritten in place instead: the space it needs is reserved first, and
// the old contents are put back when the write still fails halfway. A link at `path` is replaced by
// the new file; anything else that is not a regular file is refused.
bool ReplaceWholeFile(const FileAt& path, std::string_view bytes);

// The in-place rewrite on its own (the fallback above), for tests of that path. A link, a
// file that is not regular and a file with other names are refused.
bool RewriteFileInPlace(const FileAt& path, std::string_view bytes);

// Creates the file at `path` holding `bytes`, but only while nothing of that name exists: the
// complete file appears under the name at once, and an existing file or link is never
// replaced. False with the reason in `error` ("File exists" when the name was taken).
bool CreateWholeFile(const FileAt& path, std::string_view bytes, std::string& error);

// What a write does when something of its name exists already.
enum class IfExists { Replace, Refuse };

// True when the name at `path` is taken by anything, a dangling link included.
bool NameTaken(const FileAt& path);

}  // namespace quorvel

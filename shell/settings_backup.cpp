#include "shell/settings_backup.h"

#include <cstdio>
#include <optional>
#include <string>

#include "shell/file_access.h"
#include "shell/whole_file.h"

namespace quorvel {

bool BackupAndRemoveSettings(std::string_view path) {
    const std::string native = NativePath(path);
    FileState state = FileState::Missing;
    const std::optional<std::string> original = ReadWholeFile(native, state);
    if (!original) {
        // Nothing readable to keep; a file that exists but cannot be read is left alone.
        return state == FileState::Missing;
    }
    return BackupHolds(path, *original) && std::remove(native.c_str()) == 0;
}

bool BackupHolds(std::string_view path, const std::string& contents) {
    BackupFile(path);
    FileState state = FileState::Missing;
    return ReadWholeFile(NativePath(path) + ".BAK", state) == contents;
}

}  // namespace quorvel

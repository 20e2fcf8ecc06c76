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
    BackupFile(path);
    FileState backupState = FileState::Missing;
    const std::optional<std::string> backup = ReadWholeFile(native + ".BAK", backupState);
    if (backup != original) {
        return false;
    }
    return std::remove(native.c_str()) == 0;
}

}  // namespace quorvel

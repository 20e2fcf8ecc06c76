#include "common/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/whole_file.h"

namespace quorvel {

std::string NativePath(std::string_view programText) {
    std::string native(programText);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string ProgramPath(std::string_view directory, std::string_view programText) {
    return std::string(directory) + NativePath(programText);
}

std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
}

bool FileReadable(std::string_view path) {
    // Only a regular file counts: on this platform a directory opens for reading too, and a
    // named pipe would block the open (hence O_NONBLOCK).
    const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

bool DirectoryUsable(std::string_view path) {
    // A directory can become the current directory when it is one and may be searched; asking
    // that directly leaves the process's current directory untouched even for a moment.
    const std::string native(path);
    struct stat info {};
    return !native.empty() && ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::faccessat(AT_FDCWD, native.c_str(), X_OK, AT_EACCESS) == 0;
}

void CopyFileBytes(std::string_view from, std::string_view to) {
    FileState state = FileState::Missing;
    const std::optional<std::string> bytes = ReadWholeFile(std::string(from), state);
    if (!bytes) {
        return;
    }
    // The copy replaces `to` as a whole, so a copy that fails halfway (a full disk) leaves the
    // older `to` as it was instead of a cut-off file.
    ReplaceWholeFile(std::string(to), *bytes);
}

void BackupFile(std::string_view path) {
    if (FileReadable(path)) {
        CopyFileBytes(path, std::string(path) + ".BAK");
    }
}

void EnterDirectory(std::string_view path) {
    if (path.size() > 2 && path[1] == ':') {
        path.remove_prefix(2);
    }
    const std::string native(path);
    if (!native.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(native, ignored);
    }
}

}  // namespace quorvel

#include "shell/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

namespace quorvel {

namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closes now; false when the close reported an error.
    bool Close() {
        if (m_fd < 0) {
            return true;
        }
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes, std::size_t expected) {
    bytes.clear();
    bytes.resize(expected + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got =
            ::pread(fd, bytes.data() + used, bytes.size() - used, static_cast<off_t>(used));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return true;
}

// Reserves the file's blocks before writing, so that a full disk refuses the write at once
// instead of after the data was handed to the kernel. The files are small and are not synced
// to disk one by one (a save writes each key separately); replacing through a temporary file
// and a rename keeps the old file whole until the new one is complete.
bool ReserveSpace(int fd, std::size_t size) {
    const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    return reserved == 0 || reserved == EOPNOTSUPP || reserved == ENOSYS || reserved == EINVAL;
}

// Puts a file's old contents back after a failed rewrite (they fit: the file held them a
// moment ago). Best effort: nothing more can be done when this fails too.
bool RestoreContents(int fd, std::string_view old) {
    return WriteAllAt(fd, old, 0) && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0;
}

// The path that a replacement must rename onto: the file a symbolic link points at, so the
// link survives the rename.
std::string RenameTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

// Creates a new temporary file beside `target`; -1 when none can be made there.
int CreateTemporaryBeside(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives the new file the owner and permission bits of the file it replaces.
bool TakeOverAttributes(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

enum class Outcome { Done, Failed, NoTemporary };

Outcome ReplaceThroughTemporary(const std::string& target, std::string_view bytes,
                                const struct stat* old) {
    std::string temporary;
    FileDescriptor fd(CreateTemporaryBeside(target, temporary));
    if (!fd.Valid()) {
        return Outcome::NoTemporary;
    }
    if (old != nullptr && !TakeOverAttributes(fd.Get(), *old)) {
        fd.Close();
        ::unlink(temporary.c_str());
        return Outcome::NoTemporary;
    }
    const bool written =
        ReserveSpace(fd.Get(), bytes.size()) && WriteAllAt(fd.Get(), bytes, 0) && fd.Close();
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        fd.Close();
        ::unlink(temporary.c_str());
        return Outcome::Failed;
    }
    return Outcome::Done;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, FileState& state) {
    // O_NONBLOCK keeps a named pipe at the path from blocking the open.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Valid()) {
        state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
        return std::nullopt;
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !ReadAll(fd.Get(), bytes, static_cast<std::size_t>(info.st_size))) {
        state = FileState::Unreadable;
        return std::nullopt;
    }
    state = FileState::Read;
    return bytes;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    const std::string target = RenameTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return false;
    }
    switch (ReplaceThroughTemporary(target, bytes, exists ? &old : nullptr)) {
        case Outcome::Done:
            return true;
        case Outcome::Failed:
            return false;
        case Outcome::NoTemporary:
            break;
    }
    return RewriteFileInPlace(target, bytes);
}

bool RewriteFileInPlace(const std::string& path, std::string_view bytes) {
    bool created = false;
    int raw = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (raw < 0 && errno == ENOENT) {
        raw = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = raw >= 0;
    }
    FileDescriptor fd(raw);
    struct stat info {};
    std::string old;
    if (!fd.Valid()) {
        return false;
    }
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !ReadAll(fd.Get(), old, static_cast<std::size_t>(info.st_size))) {
        fd.Close();
        if (created) {
            ::unlink(path.c_str());
        }
        return false;
    }

    // Reserving the space first means a full disk refuses the write before any byte changes.
    const bool ok = (bytes.size() <= old.size() || ReserveSpace(fd.Get(), bytes.size())) &&
                    WriteAllAt(fd.Get(), bytes, 0) &&
                    ::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) == 0;
    if (!ok) {
        RestoreContents(fd.Get(), old);
        fd.Close();
        if (created) {
            ::unlink(path.c_str());
        }
        return false;
    }
    return fd.Close();
}

}  // namespace quorvel

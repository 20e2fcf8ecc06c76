#include "common/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

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

// The error a step that a check fails reports: what a full disk gives.
constexpr int kFailedStepError = ENOSPC;

std::string Reason(int error) {
    return std::generic_category().message(error);
}

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

// Reads the whole file into `bytes`, expecting `expected` bytes (its size when it was opened),
// but never more than `limit`: a file that grows beyond it sets `tooLarge` and stops the read.
bool ReadAll(int fd, std::string& bytes, std::size_t expected, std::size_t limit = kNoSizeLimit,
             bool* tooLarge = nullptr) {
    bytes.clear();
    bytes.resize(expected + 1);
    std::size_t used = 0;
    for (;;) {
        if (used > limit) {
            if (tooLarge != nullptr) {
                *tooLarge = true;
            }
            return false;
        }
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
    if (used > limit) {
        if (tooLarge != nullptr) {
            *tooLarge = true;
        }
        return false;
    }
    bytes.resize(used);
    return true;
}

// Reserves the file's blocks before writing, so that a full disk refuses the write at once
// instead of after the data was handed to the kernel (errno tells why).
bool ReserveSpace(int fd, std::size_t size) {
    if (size == 0) {
        return true;
    }
    const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (reserved == 0 || reserved == EOPNOTSUPP || reserved == ENOSYS || reserved == EINVAL) {
        return true;
    }
    errno = reserved;
    return false;
}

// Puts a file's old contents back after a failed rewrite (they fit: the file held them a
// moment ago). Best effort: nothing more can be done when this fails too.
bool RestoreContents(int fd, std::string_view old) {
    return WriteAllAt(fd, old, 0) && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0;
}

// Creates a new temporary file beside `target`, never through a link; -1 (errno set) when
// none can be made there.
int CreateTemporaryBeside(const FileAt& target, mode_t mode, FileAt& temporary) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.WithSuffix(".tmp" + std::to_string(::getpid()) + "-" +
                                      std::to_string(counter++));
        const int fd = ::openat(temporary.DirectoryFd(), temporary.Name().c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

int RemoveName(const FileAt& file) {
    return ::unlinkat(file.DirectoryFd(), file.Name().c_str(), 0);
}

int RenameOnto(const FileAt& from, const FileAt& to) {
    return ::renameat(from.DirectoryFd(), from.Name().c_str(), to.DirectoryFd(), to.Name().c_str());
}

// The status of the name itself (a link is not followed); false when there is none.
bool StatusOfName(const FileAt& file, struct stat& info) {
    return ::fstatat(file.DirectoryFd(), file.Name().c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

// Gives the new file the owner and permission bits of the file it replaces. The owner goes
// first: changing it clears the set-user-ID bits that the mode then puts back.
bool TakeOverAttributes(int fd, const FileAttributes& old, bool ownerRequired) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    if ((now.st_uid != old.owner || now.st_gid != old.group) &&
        ::fchown(fd, old.owner, old.group) != 0 && ownerRequired) {
        return false;
    }
    return ::fchmod(fd, old.mode & 07777) == 0;
}

StepVerdict Ask(const FileStepCheck* check, FileStep step, const FileAt& file) {
    return (check != nullptr && *check) ? (*check)(step, file.Shown()) : StepVerdict::Go;
}

// Makes a rename in the directory survive a crash. Best effort: the file is in place already.
void FlushDirectoryOf(const FileAt& file) {
    FileDescriptor directory(file.OpenContainingFolder());
    if (directory.Valid()) {
        ::fsync(directory.Get());
    }
}

struct TemporaryOptions {
    const FileAttributes* attributes = nullptr;
    bool ownerRequired = false;
    bool flush = false;
    const FileStepCheck* check = nullptr;
};

enum class Outcome { Done, Failed, NoTemporary, Stopped };

// Writes `bytes` into a new temporary file beside `target` and closes it. On failure the
// temporary file is gone again and errno tells why; a stop leaves it as it is.
Outcome WriteTemporaryBeside(const FileAt& target, std::string_view bytes,
                             const TemporaryOptions& options, FileAt& temporary) {
    switch (Ask(options.check, FileStep::CreateTemporary, target)) {
        case StepVerdict::Go:
            break;
        case StepVerdict::Fail:
            errno = kFailedStepError;
            return Outcome::Failed;
        case StepVerdict::Stop:
            return Outcome::Stopped;
    }
    // With attributes to take over, nobody else may read the file before it has them.
    FileDescriptor fd(
        CreateTemporaryBeside(target, options.attributes != nullptr ? 0600 : 0666, temporary));
    if (!fd.Valid()) {
        return Outcome::NoTemporary;
    }
    const auto discard = [&](int error, Outcome outcome) {
        fd.Close();
        RemoveName(temporary);
        errno = error;
        return outcome;
    };
    if (options.attributes != nullptr &&
        !TakeOverAttributes(fd.Get(), *options.attributes, options.ownerRequired)) {
        return discard(errno, Outcome::NoTemporary);
    }

    switch (Ask(options.check, FileStep::WriteTemporary, temporary)) {
        case StepVerdict::Go:
            break;
        case StepVerdict::Fail:
            return discard(kFailedStepError, Outcome::Failed);
        case StepVerdict::Stop:
            return Outcome::Stopped;
    }
    if (!ReserveSpace(fd.Get(), bytes.size()) || !WriteAllAt(fd.Get(), bytes, 0)) {
        return discard(errno, Outcome::Failed);
    }
    if (options.flush) {
        switch (Ask(options.check, FileStep::FlushTemporary, temporary)) {
            case StepVerdict::Go:
                break;
            case StepVerdict::Fail:
                return discard(kFailedStepError, Outcome::Failed);
            case StepVerdict::Stop:
                return Outcome::Stopped;
        }
        if (::fsync(fd.Get()) != 0) {
            return discard(errno, Outcome::Failed);
        }
    }
    if (!fd.Close()) {
        return discard(errno, Outcome::Failed);
    }
    return Outcome::Done;
}

// A link may stand at a name that a replacement renames onto (the rename replaces the link);
// any other kind of file that is not regular is refused with the error it gets here.
bool ReplaceableName(const FileAt& path, int& error) {
    struct stat info {};
    if (!StatusOfName(path, info) || S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) {
        return true;
    }
    error = S_ISDIR(info.st_mode) ? EISDIR : EEXIST;
    return false;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const FileAt& path, FileState& state, Links links,
                                         std::size_t limit) {
    // O_NONBLOCK keeps a named pipe at the path from blocking the open.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0);
    FileDescriptor fd(::openat(path.DirectoryFd(), path.Name().c_str(), flags));
    if (!fd.Valid()) {
        state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
        return std::nullopt;
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        state = FileState::Unreadable;
        return std::nullopt;
    }
    // A file beyond the limit is not read at all: its size alone (a sparse file of a
    // terabyte) could exhaust the memory.
    const auto size = static_cast<std::size_t>(info.st_size);
    bool tooLarge = size > limit;
    if (tooLarge || !ReadAll(fd.Get(), bytes, size, limit, &tooLarge)) {
        state = tooLarge ? FileState::TooLarge : FileState::Unreadable;
        return std::nullopt;
    }
    state = FileState::Read;
    return bytes;
}

std::optional<FileAttributes> RegularFileAttributes(const FileAt& path) {
    struct stat info {};
    if (!StatusOfName(path, info) || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileAttributes{static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
}

bool ReplaceFileAtomically(const FileAt& path, std::string_view bytes,
                           const FileAttributes* attributes, std::string& error,
                           const FileStepCheck& check) {
    int refused = 0;
    if (path.Name().empty() || !ReplaceableName(path, refused)) {
        error = Reason(path.Name().empty() ? ENOENT : refused);
        return false;
    }
    TemporaryOptions options;
    options.attributes = attributes;
    options.flush = true;
    options.check = &check;
    FileAt temporary = path;
    switch (WriteTemporaryBeside(path, bytes, options, temporary)) {
        case Outcome::Done:
            break;
        case Outcome::Stopped:
            error = "stopped";
            return false;
        case Outcome::Failed:
        case Outcome::NoTemporary:
            error = Reason(errno);
            return false;
    }
    switch (Ask(&check, FileStep::Rename, path)) {
        case StepVerdict::Go:
            break;
        case StepVerdict::Fail:
            RemoveName(temporary);
            error = Reason(kFailedStepError);
            return false;
        case StepVerdict::Stop:
            error = "stopped";
            return false;
    }
    if (RenameOnto(temporary, path) != 0) {
        error = Reason(errno);
        RemoveName(temporary);
        return false;
    }
    FlushDirectoryOf(path);
    return true;
}

bool ReplaceWholeFile(const FileAt& path, std::string_view bytes) {
    int refused = 0;
    if (path.Name().empty() || !ReplaceableName(path, refused)) {
        errno = path.Name().empty() ? ENOENT : refused;
        return false;
    }
    const std::optional<FileAttributes> old = RegularFileAttributes(path);
    TemporaryOptions options;
    options.attributes = old ? &*old : nullptr;
    options.ownerRequired = true;
    FileAt temporary = path;
    switch (WriteTemporaryBeside(path, bytes, options, temporary)) {
        case Outcome::Done:
            break;
        case Outcome::NoTemporary:
            return RewriteFileInPlace(path, bytes);
        case Outcome::Failed:
        case Outcome::Stopped:
            return false;
    }
    if (RenameOnto(temporary, path) != 0) {
        const int error = errno;
        RemoveName(temporary);
        errno = error;
        return false;
    }
    return true;
}

bool RewriteFileInPlace(const FileAt& path, std::string_view bytes) {
    bool created = false;
    const int directory = path.DirectoryFd();
    const char* name = path.Name().c_str();
    int raw = ::openat(directory, name, O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (raw < 0 && errno == ENOENT) {
        raw = ::openat(directory, name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        created = raw >= 0;
    }
    FileDescriptor fd(raw);
    struct stat info {};
    std::string old;
    if (!fd.Valid()) {
        return false;
    }
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink > 1 ||
        !ReadAll(fd.Get(), old, static_cast<std::size_t>(info.st_size))) {
        // A file with other names is another file too: rewriting it would change that one.
        const int error = info.st_nlink > 1 ? EMLINK : errno;
        fd.Close();
        if (created) {
            RemoveName(path);
        }
        errno = error;
        return false;
    }

    // Reserving the space first means a full disk refuses the write before any byte changes.
    const bool ok = (bytes.size() <= old.size() || ReserveSpace(fd.Get(), bytes.size())) &&
                    WriteAllAt(fd.Get(), bytes, 0) &&
                    ::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) == 0;
    if (!ok) {
        const int error = errno;
        RestoreContents(fd.Get(), old);
        fd.Close();
        if (created) {
            RemoveName(path);
        }
        errno = error;
        return false;
    }
    return fd.Close();
}

bool CreateWholeFile(const FileAt& path, std::string_view bytes, std::string& error) {
    if (path.Name().empty() || NameTaken(path)) {
        error = Reason(path.Name().empty() ? ENOENT : EEXIST);
        return false;
    }
    TemporaryOptions options;
    options.flush = true;
    FileAt temporary = path;
    if (WriteTemporaryBeside(path, bytes, options, temporary) != Outcome::Done) {
        error = Reason(errno);
        return false;
    }
    // The name is taken only if it is still free; a file system without that kind of rename
    // gets a hard link instead, which refuses a taken name just the same.
    const int directory = path.DirectoryFd();
    int published = ::renameat2(directory, temporary.Name().c_str(), directory, path.Name().c_str(),
                                RENAME_NOREPLACE);
    if (published != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
        published =
            ::linkat(directory, temporary.Name().c_str(), directory, path.Name().c_str(), 0);
        if (published == 0) {
            RemoveName(temporary);
        }
    }
    if (published != 0) {
        error = Reason(errno);
        RemoveName(temporary);
        return false;
    }
    FlushDirectoryOf(path);
    return true;
}

bool NameTaken(const FileAt& path) {
    struct stat info {};
    return StatusOfName(path, info);
}

}  // namespace quorvel

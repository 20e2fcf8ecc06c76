#include "common/folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quorvel {

namespace {

// Closes the descriptor when the last folder sharing it goes.
struct DescriptorCloser {
    void operator()(const int* fd) const {
        if (fd != nullptr) {
            ::close(*fd);
            delete fd;
        }
    }
};

// A folder descriptor that gives no access to the folder's contents by itself: only names
// below it can be reached, with the permissions they have, and it needs no read permission.
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

std::vector<std::string_view> Steps(std::string_view relative) {
    std::vector<std::string_view> steps;
    while (!relative.empty()) {
        const std::size_t slash = relative.find('/');
        const std::string_view step = relative.substr(0, slash);
        if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        relative.remove_prefix(slash == std::string_view::npos ? relative.size() : slash + 1);
    }
    return steps;
}

// Why `step` in the folder `parent` could not be opened as a folder, after the open failed
// with `error`.
FolderRefusal RefusalOf(int parent, const std::string& step, int error) {
    struct stat info {};
    if (::fstatat(parent, step.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? FolderRefusal::Missing : FolderRefusal::Other;
    }
    if (S_ISLNK(info.st_mode)) {
        return FolderRefusal::Link;
    }
    if (!S_ISDIR(info.st_mode)) {
        return FolderRefusal::NotDirectory;
    }
    return error == ENOENT ? FolderRefusal::Missing : FolderRefusal::Other;
}

}  // namespace

Folder::Folder(int fd, std::string path)
    : m_fd(new int(fd), DescriptorCloser()), m_path(std::move(path)) {}

Folder Folder::WorkingDirectory(std::string* problem) {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error) {
        if (problem != nullptr) {
            *problem = error.value() == ENOENT
                           ? "the working directory no longer exists"
                           : "the working directory cannot be named (" + error.message() + ")";
        }
        return {};
    }
    const int fd = ::open(".", kFolderFlags);
    if (fd < 0) {
        if (problem != nullptr) {
            *problem = "the working directory cannot be opened (" +
                       std::generic_category().message(errno) + ")";
        }
        return {};
    }
    return Folder(fd, current.string());
}

Folder Folder::AtPath(const std::string& path) {
    const int fd = ::open(path.c_str(), kFolderFlags);
    return fd < 0 ? Folder() : Folder(fd, path);
}

int Folder::Fd() const {
    return m_fd != nullptr ? *m_fd : -1;
}

std::string Folder::PathOf(std::string_view name) const {
    if (m_path.empty() || m_path.back() == '/') {
        return m_path + std::string(name);
    }
    return m_path + "/" + std::string(name);
}

Folder Folder::Below(std::string_view relative, FolderRefusal* refusal) const {
    FolderRefusal ignored = FolderRefusal::None;
    FolderRefusal& why = refusal != nullptr ? *refusal : ignored;
    if (!IsOpen()) {
        why = FolderRefusal::Other;
        return {};
    }
    Folder current = *this;
    for (const std::string_view view : Steps(relative)) {
        const std::string step(view);
        if (step == "..") {
            why = FolderRefusal::Other;
            return {};
        }
        const int fd = ::openat(current.Fd(), step.c_str(), kFolderFlags | O_NOFOLLOW);
        if (fd < 0) {
            why = RefusalOf(current.Fd(), step, errno);
            return {};
        }
        current = Folder(fd, current.PathOf(step));
    }
    why = FolderRefusal::None;
    return current;
}

bool Folder::Searchable() const {
    return IsOpen() && ::faccessat(Fd(), ".", X_OK, AT_EACCESS) == 0;
}

bool Folder::Enter() const {
    return IsOpen() && ::fchdir(Fd()) == 0;
}

int FileAt::DirectoryFd() const {
    return m_inFolder ? m_folder.Fd() : AT_FDCWD;
}

std::string FileAt::Shown() const {
    return m_inFolder ? m_folder.PathOf(m_name) : m_name;
}

FileAt FileAt::WithSuffix(std::string_view suffix) const {
    FileAt other = *this;
    other.m_name += suffix;
    return other;
}

FileAt FileAt::WithName(std::string name) const {
    FileAt other = *this;
    other.m_name = std::move(name);
    return other;
}

int FileAt::OpenContainingFolder() const {
    if (m_inFolder) {
        return m_folder.IsOpen() ? ::openat(m_folder.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                 : -1;
    }
    const std::size_t slash = m_name.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : m_name.substr(0, slash);
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

std::string FileAt::LeafName() const {
    if (m_inFolder) {
        return m_name;
    }
    const std::size_t slash = m_name.rfind('/');
    return slash == std::string::npos ? m_name : m_name.substr(slash + 1);
}

}  // namespace quorvel

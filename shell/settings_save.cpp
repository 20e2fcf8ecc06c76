#include "shell/settings_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>

#include "shell/settings_backup.h"
#include "shell/settings_text.h"

namespace quorvel {

namespace {

bool IsLink(const FileAt& path) {
    struct stat info {};
    return ::fstatat(path.DirectoryFd(), path.Name().c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(info.st_mode);
}

// The attributes of the file a read of `path` reaches (through a link), for its backup.
std::optional<FileAttributes> AttributesOfTarget(const FileAt& path) {
    struct stat info {};
    if (::fstatat(path.DirectoryFd(), path.Name().c_str(), &info, 0) != 0 ||
        !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileAttributes{static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
}

std::string NotSaved(const std::string& path, const std::string& why, bool fileKept) {
    std::string text = "Your inputs were not saved to " + path + ": " + why + ".";
    if (fileKept) {
        text += " The file keeps the settings of the last save.";
    }
    return text;
}

// The process id of a temporary file name, the part after `prefix`: digits, "-", digits.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) {
        return std::nullopt;
    }
    const std::string_view number = name.substr(dash + 1);
    if (number.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    if (error != std::errc() || end != name.data() + dash || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

// A process that exists, also one of another user that may not be signalled.
bool ProcessRuns(pid_t pid) {
    return pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

SettingsSaveResult SaveSettingsText(const FileAt& path, std::string_view text,
                                    const FileStepCheck& check) {
    SettingsSaveResult result;
    FileState state = FileState::Missing;
    const std::optional<std::string> current = ReadSettingsFile(path, state);
    if (!current && state != FileState::Missing) {
        const std::string why = state == FileState::TooLarge
                                    ? UnreadReason(state)
                                    : std::string("it is not a regular file that can be read");
        result.failure = NotSaved(path.Shown(), why + ", so it is left as it is", false);
        return result;
    }
    const bool fileWasLink = IsLink(path);
    const bool backupWasLink = current && IsLink(BackupOf(path));

    if (current) {
        const std::optional<FileAttributes> attributes = AttributesOfTarget(path);
        std::string failure;
        switch (BackUpSettings(path, *current, attributes ? &*attributes : nullptr, text, failure,
                               check)) {
            case BackupOutcome::Made:
                if (backupWasLink) {
                    result.notes.push_back("The link " + BackupOf(path).Shown() +
                                           " was replaced by the backup; its target was left "
                                           "alone");
                }
                break;
            case BackupOutcome::KeptOlder:
                result.notes.push_back("Kept the backup " + BackupOf(path).Shown() +
                                       ": it holds settings that " + path.Shown() + " lacks");
                break;
            case BackupOutcome::Failed:
                result.failure = NotSaved(path.Shown(), failure, true);
                return result;
        }
        if (*current == text) {
            result.saved = true;
            return result;
        }
    }

    // A regular file hands its permission bits and owner on to the new one; a link does not.
    const std::optional<FileAttributes> attributes = RegularFileAttributes(path);
    std::string reason;
    if (!ReplaceFileAtomically(path, text, attributes ? &*attributes : nullptr, reason, check)) {
        result.failure =
            NotSaved(path.Shown(), "it could not be written (" + reason + ")", current.has_value());
        return result;
    }
    if (fileWasLink) {
        result.notes.push_back("The link " + path.Shown() +
                               " was replaced by the saved settings; its target was left alone");
    }
    result.saved = true;
    return result;
}

std::vector<std::string> RemoveStaleTemporaries(const FileAt& path) {
    const std::string name = path.LeafName();
    const std::string prefixes[] = {name + ".tmp", BackupPath(name) + ".tmp"};
    std::vector<std::string> removed;
    const int folder = path.OpenContainingFolder();
    if (folder < 0) {
        return removed;
    }
    // The entries are read from the folder the settings file lies in and removed from that
    // same folder, never by a path that could lead elsewhere.
    DIR* entries = ::fdopendir(folder);
    if (entries == nullptr) {
        ::close(folder);
        return removed;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view entryName(entry->d_name);
        for (const std::string& prefix : prefixes) {
            const std::optional<pid_t> owner = TemporaryOwner(entryName, prefix);
            if (owner && !ProcessRuns(*owner) &&
                ::unlinkat(::dirfd(entries), entry->d_name, 0) == 0) {
                removed.push_back(path.WithSuffix(entryName.substr(name.size())).Shown());
            }
        }
    }
    ::closedir(entries);
    return removed;
}

}  // namespace quorvel

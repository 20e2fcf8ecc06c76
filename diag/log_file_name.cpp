#include "diag/log_file_name.h"

#include "common/file_access.h"

namespace quorvel {

namespace {

// "/SYSTEM/ERLOGS/" as "SYSTEM/ERLOGS", for the folder's name in a message.
std::string_view WithoutOuterSlashes(std::string_view path) {
    const std::size_t first = path.find_first_not_of('/');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = path.find_last_not_of('/');
    return path.substr(first, last - first + 1);
}

}  // namespace

bool LogFileName(const Folder& programFolder, std::string_view programWord,
                 std::string_view logDirectory, std::string_view logName, FileAt& file,
                 std::string* note) {
    if (programWord.empty() && logDirectory.empty() && logName.empty()) {
        return false;
    }
    const std::string fallbackName =
        std::string(logName.empty() ? std::string_view("LogFile") : logName) + ".Log";
    if (!logDirectory.empty()) {
        const std::string relative = NativePath(logDirectory);
        FolderRefusal refusal = FolderRefusal::None;
        const Folder folder = programFolder.Below(relative, &refusal);
        if (folder.Searchable()) {
            file = FileAt(folder, std::string(programWord) + ".Log");
            return true;
        }
        if (refusal == FolderRefusal::Link && note != nullptr) {
            *note = "The log directory " + programFolder.PathOf(WithoutOuterSlashes(relative)) +
                    " is reached through a symbolic link, which is not followed; the log is " +
                    programFolder.PathOf(fallbackName);
        }
    }
    file = FileAt(programFolder, fallbackName);
    return true;
}

}  // namespace quorvel

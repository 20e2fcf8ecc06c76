#include "shell/hardcopy_file.h"

#include <limits>

#include "common/file_access.h"
#include "common/number_text.h"
#include "common/whole_file.h"

namespace quorvel {

std::string HardcopyName(std::int32_t counter) {
    return std::string(kHardcopyPrefix) + FormatNumber(4, 0, counter);
}

Folder HardcopyFolder(const Folder& programFolder, std::string* note) {
    const std::string relative = NativePath(kHardcopyDirectory);
    FolderRefusal refusal = FolderRefusal::None;
    const Folder folder = programFolder.Below(relative, &refusal);
    if (folder.Searchable()) {
        return folder;
    }
    if (refusal == FolderRefusal::Link && note != nullptr) {
        *note = "The hardcopy directory " + programFolder.PathOf("Files/Hardcopies") +
                " is reached through a symbolic link, which is not followed; hardcopies go "
                "into " +
                programFolder.Path();
    }
    return programFolder;
}

FileAt HardcopyFile(const Folder& folder, std::int32_t counter) {
    return FileAt(folder, HardcopyName(counter));
}

bool FreeHardcopyFile(const Folder& folder, std::int32_t& counter, FileAt& file) {
    std::int32_t candidate = counter;
    for (std::int32_t skipped = 0; skipped <= kMaxSkippedHardcopies; ++skipped) {
        const FileAt name = HardcopyFile(folder, candidate);
        if (!NameTaken(name.WithSuffix(".jpg"))) {
            counter = candidate;
            file = name;
            return true;
        }
        const std::int32_t next = NextHardcopyCounter(candidate);
        if (next == candidate) {
            break;
        }
        candidate = next;
    }
    return false;
}

std::string WithoutExtension(std::string_view name) {
    const std::size_t point = name.rfind('.');
    const std::size_t separator = name.rfind('/');
    if (point == std::string_view::npos ||
        (separator != std::string_view::npos && point < separator)) {
        return std::string(name);
    }
    return std::string(name.substr(0, point));
}

std::int32_t NextHardcopyCounter(std::int32_t counter) {
    return counter < std::numeric_limits<std::int32_t>::max() ? counter + 1 : counter;
}

}  // namespace quorvel

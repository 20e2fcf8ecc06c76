#include "shell/hardcopy_file.h"

#include <limits>

#include "common/file_access.h"
#include "common/number_text.h"
#include "common/whole_file.h"

namespace quorvel {

std::string HardcopyName(std::int32_t counter) {
    return std::string(kHardcopyPrefix) + FormatNumber(4, 0, counter);
}

namespace {

// The hardcopy directory with its final separator when it exists, otherwise "".
std::string HardcopyDirectory(std::string_view programDirectory) {
    // Without a program directory the hardcopy directory would be looked for at the root.
    if (programDirectory.empty()) {
        return {};
    }
    const std::string directory = ProgramPath(programDirectory, kHardcopyDirectory);
    return DirectoryUsable(directory) ? directory : std::string();
}

}  // namespace

std::string HardcopyPath(std::string_view programDirectory, std::int32_t counter) {
    return HardcopyDirectory(programDirectory) + HardcopyName(counter);
}

bool FreeHardcopyPath(std::string_view programDirectory, std::int32_t& counter, std::string& path) {
    const std::string directory = HardcopyDirectory(programDirectory);
    std::int32_t candidate = counter;
    for (std::int32_t skipped = 0; skipped <= kMaxSkippedHardcopies; ++skipped) {
        const std::string name = directory + HardcopyName(candidate);
        if (!NameTaken(name + ".jpg")) {
            counter = candidate;
            path = name;
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

#include "shell/hardcopy_file.h"

#include <limits>

#include "common/number_text.h"
#include "shell/file_access.h"

namespace quorvel {

std::string HardcopyName(std::int32_t counter) {
    return std::string(kHardcopyPrefix) + FormatNumber(4, 0, counter);
}

std::string HardcopyPath(std::string_view programDirectory, std::int32_t counter) {
    const std::string name = HardcopyName(counter);
    // Without a program directory the hardcopy directory would be looked for at the root.
    if (programDirectory.empty()) {
        return name;
    }
    const std::string directory = std::string(programDirectory) + std::string(kHardcopyDirectory);
    if (DirectoryUsable(directory)) {
        return directory + name;
    }
    return name;
}

std::string WithoutExtension(std::string_view name) {
    const std::size_t point = name.rfind('.');
    const std::size_t separator = name.find_last_of("\\/");
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

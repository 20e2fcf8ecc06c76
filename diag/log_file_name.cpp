#include "diag/log_file_name.h"

#include "common/file_access.h"

namespace quorvel {

bool LogFileName(std::string_view programDirectory, std::string_view programWord,
                 std::string_view logDirectory, std::string_view logName, std::string& fileName) {
    if (programWord.empty() && logDirectory.empty() && logName.empty()) {
        return false;
    }
    if (!logDirectory.empty()) {
        const std::string candidate =
            ProgramPath(programDirectory, "\\" + std::string(logDirectory));
        if (DirectoryUsable(candidate)) {
            fileName = candidate + std::string(programWord) + ".Log";
            return true;
        }
    }
    fileName = std::string(logName.empty() ? std::string_view("LogFile") : logName) + ".Log";
    return true;
}

}  // namespace quorvel

#include "shell/settings_text.h"

namespace quorvel {

std::optional<std::string> ReadSettingsFile(const FileAt& file, FileState& state) {
    return ReadWholeFile(file, state, Links::Follow, kSettingsFileLimit);
}

std::string UnreadReason(FileState state) {
    if (state == FileState::TooLarge) {
        return "it is larger than 1 MiB (" + std::to_string(kSettingsFileLimit) + " bytes)";
    }
    return "it cannot be read";
}

}  // namespace quorvel

#include "shell/ini_store.h"

#include "common/whole_file.h"
#include "shell/ini_text_engine.h"
#include "shell/settings_text.h"

namespace quorvel {

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
    FileState state = FileState::Missing;
    const std::optional<std::string> bytes = ReadSettingsFile(m_path, state);
    if (!bytes) {
        return std::nullopt;
    }
    return ini::FindValue(SettingsTextOf(*bytes), section, key);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    FileState state = FileState::Missing;
    const std::optional<std::string> bytes = ReadSettingsFile(m_path, state);
    // A file that exists but cannot be read (or is too large to be a settings file) must not
    // be replaced by one holding only this key.
    if (state != FileState::Read && state != FileState::Missing) {
        return false;
    }
    // A file in another form (UTF-16, old Mac line ends) is written back in the program's own.
    const std::optional<std::string> changed =
        ini::WithValue(SettingsTextOf(bytes.value_or(std::string())), section, key, value);
    if (!changed) {
        return false;
    }
    if (bytes && *changed == *bytes) {
        return true;
    }
    return ReplaceWholeFile(m_path, *changed);
}

std::optional<std::string> IniText::ReadString(std::string_view section,
                                               std::string_view key) const {
    return ini::FindValue(m_text, section, key);
}

bool IniText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> changed = ini::WithValue(m_text, section, key, value);
    if (!changed) {
        return false;
    }
    m_text = std::move(*changed);
    return true;
}

}  // namespace quorvel

#pragma once
// INI-style key/value storage: sections "[name]" holding "key=value" lines, CR LF line ends,
// section and key names matched without regard to letter case, values read trimmed and cut
// at 1023 characters; the first occurrence of a duplicated section or key wins. Writing
// replaces a value in place, adds a new key at the end of its section and a new section at
// the end of the file; every line the writer does not touch stays byte for byte.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class IniStore {
public:
    virtual ~IniStore() = default;
    // The value of (section, key), or nullopt when the section or the key is absent.
    virtual std::optional<std::string> ReadString(std::string_view section,
                                                  std::string_view key) const = 0;
    // Stores the value; false when it could not be stored.
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// The INI file at a file-system path. No caching: every read and every write is one access to the
// file (a missing file reads as empty and is created by the first write). A file larger than
// a settings file can be (see ReadSettingsFile) reads as empty and is never written.
class IniFile final : public IniStore {
public:
    explicit IniFile(std::string path);
    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view key) const override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// INI text held in memory, with the same rules as the file (for overlays and tests).
class IniText final : public IniStore {
public:
    IniText() = default;
    explicit IniText(std::string text) : m_text(std::move(text)) {}
    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view key) const override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace quorvel

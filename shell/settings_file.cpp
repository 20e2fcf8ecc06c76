#include "shell/settings_file.h"

#include <charconv>
#include <optional>

#include "common/number_text.h"

namespace quorvel {

namespace {

// The stored text of (section, key), or nullopt when the key is missing. The missing-key
// sentinel stored as a value reads as missing too, as it does for the platform reader that
// answers a missing key with it.
std::optional<std::string> StoredText(const IniStore& store, std::string_view section,
                                      std::string_view key) {
    std::optional<std::string> text = store.ReadString(section, key);
    if (!text || *text == kMissingKeySentinel) {
        return std::nullopt;
    }
    return text;
}

// Converts the stored text with `parse` into a temporary and hands it over only when the whole
// text was read.
template <typename T, typename Parse>
bool ReadConverted(const IniStore& store, std::string_view section, std::string_view key, T& value,
                   Parse parse) {
    const std::optional<std::string> text = StoredText(store, section, key);
    T converted{};
    if (!text || !parse(*text, converted)) {
        return false;
    }
    value = converted;
    return true;
}

std::string UnsignedText(std::uint32_t value, int radix) {
    switch (radix) {
        case 2:
            return BinaryText(value, 32);
        case 8:
            return OctalText(value, 11, false);
        case 16:
            return HexText(value, 8, false);
        default: {
            char digits[16];
            const auto result = std::to_chars(digits, digits + sizeof digits, value);
            return std::string(digits, result.ptr);
        }
    }
}

}  // namespace

bool ReadIniInt(const IniStore& store, std::string_view section, std::string_view key,
                std::int32_t& value) {
    return ReadConverted(store, section, key, value,
                         [](std::string_view text, std::int32_t& v) { return ParseInt(text, v); });
}

bool ReadIniUnsigned(const IniStore& store, std::string_view section, std::string_view key,
                     int radix, std::uint32_t& value) {
    return ReadConverted(
        store, section, key, value,
        [radix](std::string_view text, std::uint32_t& v) { return ParseUnsigned(text, v, radix); });
}

bool ReadIniReal(const IniStore& store, std::string_view section, std::string_view key,
                 double& value) {
    return ReadConverted(store, section, key, value,
                         [](std::string_view text, double& v) { return ParseReal(text, v); });
}

bool ReadIniBool(const IniStore& store, std::string_view section, std::string_view key,
                 bool& value) {
    const std::optional<std::string> text = StoredText(store, section, key);
    if (!text) {
        return false;
    }
    value = *text == "YES";
    return true;
}

bool WriteIniInt(IniStore& store, std::string_view section, std::string_view key,
                 std::int32_t value) {
    // Every signed 32-bit value is exact as a double, so the fixed text with no decimals is
    // the plain decimal text.
    return store.WriteString(section, key, FixedText(static_cast<double>(value), 0, 0));
}

bool WriteIniUnsigned(IniStore& store, std::string_view section, std::string_view key, int radix,
                      std::uint32_t value) {
    return store.WriteString(section, key, UnsignedText(value, radix));
}

bool WriteIniReal(IniStore& store, std::string_view section, std::string_view key, double value) {
    return store.WriteString(section, key, FixedText(value, 9, 9));
}

bool WriteIniBool(IniStore& store, std::string_view section, std::string_view key, bool value) {
    return store.WriteString(section, key, YesNoText(value));
}

bool ReadIniInt(const std::string& path, std::string_view section, std::string_view key,
                std::int32_t& value) {
    return ReadIniInt(IniFile(path), section, key, value);
}

bool ReadIniUnsigned(const std::string& path, std::string_view section, std::string_view key,
                     int radix, std::uint32_t& value) {
    return ReadIniUnsigned(IniFile(path), section, key, radix, value);
}

bool ReadIniReal(const std::string& path, std::string_view section, std::string_view key,
                 double& value) {
    return ReadIniReal(IniFile(path), section, key, value);
}

bool ReadIniBool(const std::string& path, std::string_view section, std::string_view key,
                 bool& value) {
    return ReadIniBool(IniFile(path), section, key, value);
}

bool WriteIniInt(const std::string& path, std::string_view section, std::string_view key,
                 std::int32_t value) {
    IniFile file(path);
    return WriteIniInt(file, section, key, value);
}

bool WriteIniUnsigned(const std::string& path, std::string_view section, std::string_view key,
                      int radix, std::uint32_t value) {
    IniFile file(path);
    return WriteIniUnsigned(file, section, key, radix, value);
}

bool WriteIniReal(const std::string& path, std::string_view section, std::string_view key,
                  double value) {
    IniFile file(path);
    return WriteIniReal(file, section, key, value);
}

bool WriteIniBool(const std::string& path, std::string_view section, std::string_view key,
                  bool value) {
    IniFile file(path);
    return WriteIniBool(file, section, key, value);
}

}  // namespace quorvel

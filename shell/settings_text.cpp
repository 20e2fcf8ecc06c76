#include "shell/settings_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// The 8-bit text of UTF-16 code units (after the byte-order mark). A unit below 256 is the
// character it names; any other, and a surrogate pair as a whole, is "?". An odd last byte
// is no unit.
std::string FromUtf16(std::string_view units, bool littleEndian) {
    std::string text;
    text.reserve(units.size() / 2);
    bool afterHighSurrogate = false;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const auto first = static_cast<unsigned char>(units[i]);
        const auto second = static_cast<unsigned char>(units[i + 1]);
        const unsigned unit = littleEndian ? first | (second << 8) : (first << 8) | second;
        const bool lowSurrogate = unit >= 0xDC00 && unit <= 0xDFFF;
        if (!(lowSurrogate && afterHighSurrogate)) {
            text += unit < 0x100 ? static_cast<char>(unit) : '?';
        }
        afterHighSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    }
    return text;
}

// Every lone CR made a CR LF.
std::string WithCrLfForLoneCr(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            out += '\n';
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> ReadSettingsFile(const FileAt& file, FileState& state) {
    return ReadWholeFile(file, state, Links::Follow, kSettingsFileLimit);
}

std::string SettingsTextOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        const bool littleEndian = bytes.starts_with(kUtf16LittleMark);
        return WithCrLfForLoneCr(FromUtf16(bytes.substr(2), littleEndian));
    }
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    if (bytes.find('\r') == std::string_view::npos) {
        return std::string(bytes);
    }
    return WithCrLfForLoneCr(bytes);
}

std::string UnreadReason(FileState state) {
    if (state == FileState::TooLarge) {
        return "it is larger than 1 MiB (" + std::to_string(kSettingsFileLimit) + " bytes)";
    }
    return "it cannot be read";
}

}  // namespace quorvel

#include "shell/ini_text_engine.h"

#include "common/number_text.h"

namespace quorvel::ini {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// Locale-free white space: the names and values are 8-bit texts, and a byte above 127 must
// never count as a space whatever the process locale says.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

enum class LineKind { Other, Section, Entry };

// One line of the text: [begin, contentEnd) is its content, [contentEnd, end) its line end
// (empty for a last line without one).
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;      // the section name or the key
    std::string_view rawValue;  // an entry's text after the "=", untrimmed
};

// Walks the text line by line and classifies each line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {
        if (m_text.starts_with(kByteOrderMark)) {
            m_pos = kByteOrderMark.size();
        }
    }

    bool Next(Line& line) {
        if (m_pos >= m_text.size()) {
            return false;
        }
        line = Line{};
        line.begin = m_pos;
        const std::size_t lineEnd = m_text.find_first_of("\r\n", m_pos);
        if (lineEnd == std::string_view::npos) {
            line.contentEnd = m_text.size();
            line.end = m_text.size();
        } else {
            const bool crLf = m_text[lineEnd] == '\r' && lineEnd + 1 < m_text.size() &&
                              m_text[lineEnd + 1] == '\n';
            line.contentEnd = lineEnd;
            line.end = lineEnd + (crLf ? 2 : 1);
        }
        m_pos = line.end;
        Classify(m_text.substr(line.begin, line.contentEnd - line.begin), line);
        return true;
    }

private:
    static void Classify(std::string_view content, Line& line) {
        const std::string_view trimmed = Trim(content);
        if (trimmed.empty() || trimmed.front() == ';') {
            return;
        }
        if (trimmed.front() == '[') {
            const std::size_t close = trimmed.rfind(']');
            if (close != std::string_view::npos) {
                line.kind = LineKind::Section;
                line.name = Trim(trimmed.substr(1, close - 1));
                return;
            }
        }
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            return;
        }
        line.kind = LineKind::Entry;
        line.name = Trim(trimmed.substr(0, equals));
        line.rawValue = trimmed.substr(equals + 1);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string ValueText(std::string_view raw) {
    const std::size_t nul = raw.find('\0');
    if (nul != std::string_view::npos) {
        raw = raw.substr(0, nul);
    }
    raw = Trim(raw);
    if (raw.size() > kMaxValueLength) {
        raw = raw.substr(0, kMaxValueLength);
    }
    return std::string(raw);
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// What a write needs to know about the text: the entry a read would answer with, and where a
// new entry of the section would go.
struct Placement {
    std::optional<Line> entry;
    std::optional<Line> sectionAnchor;  // the first section's last entry, or its section line
};

Placement Locate(std::string_view text, std::string_view section, std::string_view key) {
    Placement found;
    LineReader reader(text);
    Line line;
    bool inSection = false;
    bool inFirstSection = false;
    while (reader.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameIgnoringCase(line.name, section);
            inFirstSection = inSection && !found.sectionAnchor;
            if (inFirstSection) {
                found.sectionAnchor = line;
            }
        } else if (line.kind == LineKind::Entry && inSection) {
            if (inFirstSection) {
                found.sectionAnchor = line;
            }
            if (!found.entry && SameIgnoringCase(line.name, key)) {
                found.entry = line;
            }
        }
    }
    return found;
}

// The line end to add after a last line that has none: a trailing CR only needs its LF.
std::string_view MissingLineEnd(std::string_view text) {
    if (text.empty() || text.back() == '\n') {
        return {};
    }
    return text.back() == '\r' ? std::string_view("\n") : kLineEnd;
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty()) {
        return std::nullopt;
    }
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = SameIgnoringCase(line.name, section);
        } else if (line.kind == LineKind::Entry && inSection && SameIgnoringCase(line.name, key)) {
            return ValueText(line.rawValue);
        }
    }
    return std::nullopt;
}

std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value) || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';') {
        return std::nullopt;
    }

    const Placement place = Locate(text, section, key);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    if (place.entry) {
        const Line& line = *place.entry;
        result.append(text.substr(0, line.begin));
        result.append(line.name).append("=").append(value).append(kLineEnd);
        result.append(text.substr(line.end));
    } else if (place.sectionAnchor) {
        const Line& anchor = *place.sectionAnchor;
        result.append(text.substr(0, anchor.end));
        if (anchor.end == text.size()) {
            result.append(MissingLineEnd(text));
        }
        result.append(key).append("=").append(value).append(kLineEnd);
        result.append(text.substr(anchor.end));
    } else {
        result.append(text).append(MissingLineEnd(text));
        result.append("[").append(section).append("]").append(kLineEnd);
        result.append(key).append("=").append(value).append(kLineEnd);
    }
    return result;
}

std::vector<EntryName> EntryNames(std::string_view text) {
    std::vector<EntryName> names;
    LineReader reader(text);
    Line line;
    std::optional<std::string_view> section;
    while (reader.Next(line)) {
        if (line.kind == LineKind::Section) {
            section = line.name;
        } else if (line.kind == LineKind::Entry && section && !section->empty() &&
                   !line.name.empty()) {
            names.push_back({std::string(*section), std::string(line.name)});
        }
    }
    return names;
}

}  // namespace quorvel::ini

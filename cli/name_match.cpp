#include "cli/name_match.h"

namespace quorvel::cli {

std::optional<std::string> MatchName(std::span<const std::string> names, std::string_view given) {
    for (const std::string& name : names) {
        if (name == given) {
            return name;
        }
    }
    std::optional<std::string> found;
    for (const std::string& name : names) {
        if (SameIgnoringCase(name, given)) {
            if (found && *found != name) {
                return std::nullopt;
            }
            found = name;
        }
    }
    return found;
}

std::string Quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0x0F];
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

std::string NameList(std::span<const std::string> names, std::size_t limit) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == limit) {
            list += ", ...";
            break;
        }
        if (i > 0) {
            list += ", ";
        }
        list += names[i];
    }
    return list;
}

}  // namespace quorvel::cli

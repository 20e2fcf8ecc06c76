#include "cli/display_output.h"

#include <cstdint>

namespace quorvel::cli {

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0;
        std::uint32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are not UTF-8.
        if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string ShownText(std::string_view text) {
    if (IsValidUtf8(text)) {
        return std::string(text);
    }
    std::string utf8;
    utf8.reserve(text.size() * 2);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string JsonString(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    json += "\\u00";
                    json += kHex[byte >> 4];
                    json += kHex[byte & 0x0F];
                } else {
                    json += c;
                }
        }
    }
    json += '"';
    return json;
}

std::string DisplayLines(const DisplayList& display) {
    std::string lines;
    for (const DisplayItem& item : display) {
        lines += ShownText(item.name);
        lines += '\t';
        lines += ShownText(item.text);
        lines += '\n';
    }
    return lines;
}

std::string DisplayJson(const DisplayList& display) {
    std::string json = "{";
    for (std::size_t i = 0; i < display.size(); ++i) {
        if (i > 0) {
            json += ',';
        }
        json += JsonString(ShownText(display[i].name));
        json += ':';
        json += JsonString(ShownText(display[i].text));
    }
    json += "}\n";
    return json;
}

}  // namespace quorvel::cli

// Fixed-width hexadecimal, octal and binary texts of a 32-bit value.
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <system_error>

#include "common/number_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::array<std::string_view, 16> kNibbles = {
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
    "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};

// printf's "%0*x" / "%0*o": the digits zero-padded to at least `width`, then cut or padded to
// exactly `width`, upper case, and the prefix in front.
std::string RadixText(std::uint32_t value, int width, int radix, std::string_view prefix) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, radix);
    std::string text = ec == std::errc{}
                           ? PadOrCut(width, '0', std::string_view(buffer, end - buffer))
                           : PadOrCut(width, '0', "INVALID");
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    text.insert(0, prefix);
    return text;
}

}  // namespace

std::string HexText(std::uint32_t value, int width, bool prefix) {
    return RadixText(value, width, 16, prefix ? "0x" : "");
}

std::string OctalText(std::uint32_t value, int width, bool prefix) {
    return RadixText(value, width, 8, prefix ? "o" : "");
}

// The value goes through ceil(bits / 4) hexadecimal digits, four bits each. A longer result
// loses its leading zeros and keeps its first `bits` characters; a shorter one is padded.
std::string BinaryText(std::uint32_t value, int bits) {
    const int hexDigits = bits > 0 ? (bits + 3) / 4 : 0;
    std::string text;
    for (const char digit : HexText(value, hexDigits, false)) {
        text += NibbleText(digit);
    }
    if (static_cast<int>(text.size()) > bits) {
        text = PadOrCut(bits, '0', StripLeading('0', text));
    }
    return PadOrCut(bits, '0', text);
}

std::string NibbleText(char digit) {
    const auto index = kHexDigits.find(digit);
    return std::string(index == std::string_view::npos ? kNibbles[0] : kNibbles[index]);
}

}  // namespace quorvel

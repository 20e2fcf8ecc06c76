// Fuzzes the number and angle texts. The first byte chooses what is exercised; the rest is
// either a text for the parsers or the arguments of a formatter. Every check that fails aborts.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/number_text.h"

using namespace quorvel;

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "number_text_fuzzer: %s\n", what);
        std::abort();
    }
}

// Reads the next bytes of the input as a value; missing bytes are zero.
template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(bytes, data, n);
    data += n;
    size -= n;
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

// Texts of digits, points, exponents and minus signs are read by std::from_chars the same way
// as by strtod; a number too large for a double is refused by both.
void CompareWithFromChars(std::string_view text, bool whole, double value) {
    if (text.empty() || text.find_first_not_of("0123456789.eE-") != std::string_view::npos) {
        return;
    }
    double expected = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (ec == std::errc::invalid_argument) {
        Check(value == 0.0 && !whole, "ParseReal read a text that from_chars refuses");
        return;
    }
    const bool readAll = end == text.data() + text.size();
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports underflow too; strtod then gives zero or a subnormal.
        Check(!whole || std::fabs(value) < 2.3e-308, "ParseReal accepted an overflowing text");
        return;
    }
    Check(readAll == whole, "ParseReal and from_chars stop at different places");
    Check(value == expected, "ParseReal and from_chars read different values");
}

void FuzzParsers(std::string_view text, int radix) {
    double real = 0.0;
    const bool whole = ParseReal(text, real);
    CompareWithFromChars(text, whole, real);
    if (text.empty()) {
        Check(whole && real == 0.0, "ParseReal of the empty text");
    }

    std::int32_t decimal = 0;
    std::int32_t inRadix = 0;
    const bool decimalWhole = ParseInt(text, decimal);
    Check(ParseIntRadix(text, inRadix, 10) == decimalWhole && inRadix == decimal,
          "ParseInt and ParseIntRadix in radix 10 disagree");
    ParseIntRadix(text, inRadix, radix);
    std::uint32_t unsignedValue = 0;
    ParseUnsigned(text, unsignedValue, radix);

    for (const bool latitude : {false, true}) {
        const double unchanged = 1234.5;
        double degrees = unchanged;
        if (ParseDms(text, latitude, degrees)) {
            const double limit = latitude ? 71.0 : 180.0;
            Check(std::isfinite(degrees) && std::fabs(degrees) < limit,
                  "ParseDms gave an angle beyond its limit");
        } else {
            Check(degrees == unchanged, "ParseDms changed the angle on failure");
        }
    }
}

void FuzzFormatNumber(int precision, int decimals, double value) {
    const std::string text = FormatNumber(precision, decimals, value);
    Check(static_cast<int>(text.size()) <= (precision > 0 ? precision : 0),
          "FormatNumber is longer than the precision");
    Check(text != "Nan", "FormatNumber failed");
    if (!std::isfinite(value)) {
        return;
    }
    Check(text.find_first_not_of("0123456789.-E") == std::string::npos,
          "FormatNumber wrote an unexpected character");
    if (precision < 6) {
        return;
    }
    // With room for a sign, a digit and the largest exponent the text always reads back, and
    // the value it shows is the input rounded to at least one significant digit.
    double shown = 0.0;
    if (!ParseReal(text, shown)) {
        // Rounded up beyond the largest double ("1.8E308").
        Check(std::fabs(value) > 1e308, "FormatNumber's text does not read back");
        return;
    }
    if (shown == 0.0) {
        // Rounded away at the decimals, or every digit lost beyond the 18 decimals written or
        // cut off after a run of zeros; only then can a "-" stay.
        const double rounded = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-12);
        const bool cut = static_cast<int>(text.size()) == precision || decimals > 18;
        const double truncated = cut ? std::pow(10.0, 3 - std::min(precision, 21)) : 0.0;
        Check(std::fabs(value) <= std::fmax(rounded, truncated), "a value shown as 0 is not small");
        Check(text[0] != '-' || (cut && value < 0), "zero shown with a sign");
    } else {
        Check(std::signbit(shown) == std::signbit(value), "the sign was lost");
        Check(std::fabs(shown - value) <=
                  0.5 * std::fmax(std::fabs(shown), std::fabs(value)) * (1 + 1e-12),
              "FormatNumber shows a different magnitude");
    }
    // All 18 digits: the text is the value itself.
    if (std::fabs(value) >= 0.1 && decimals >= 18) {
        const std::string full = FormatNumber(40, decimals, value);
        double back = 0.0;
        Check(ParseReal(full, back) && back == value, "18 digits do not read back exactly");
    }
}

void FuzzAngleTexts(double degrees) {
    for (const std::string& text : {DmsText(degrees), LatLongText(degrees)}) {
        const std::size_t digits = text[0] == '-' ? 1 : 0;
        Check(text.size() == 13 + digits, "the angle text has the wrong length");
        const std::string_view body = std::string_view(text).substr(digits);
        for (std::size_t i = 0; i < body.size(); ++i) {
            const bool separator = i == 3 || i == 6;
            const bool point = i == 9;
            Check(separator ? body[i] == ' '
                  : point   ? body[i] == '.'
                            : body[i] >= '0' && body[i] <= '9',
                  "the angle text is malformed");
        }
        double parsed = 0.0;
        Check(ParseDms(text, false, parsed), "an angle text does not read back");
        const double turn = ReduceToOneTurn(std::fabs(degrees));
        if (turn < 179.0 && turn > 1e-6) {
            const double expected = std::signbit(degrees) ? -turn : turn;
            // Seconds of 59.9995 and more are written as 59.999.
            Check(std::fabs(parsed - expected) <= 0.0011 / 3600, "the angle text reads back wrong");
        }
    }
}

void FuzzRadixTexts(std::uint32_t value, int width, int bits) {
    const std::string hex = HexText(value, width, true);
    Check(hex.size() == 2 + static_cast<std::size_t>(width > 0 ? width : 0),
          "HexText has the wrong width");
    const std::string binary = BinaryText(value, bits);
    Check(binary.size() == static_cast<std::size_t>(bits > 0 ? bits : 0),
          "BinaryText has the wrong width");
    if (bits > 0 && bits <= 32 && (bits == 32 || value < (1u << bits))) {
        std::uint32_t back = 0;
        Check(ParseUnsigned(binary, back, 2) && back == value, "BinaryText reads back wrong");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t mode = data[0] % 4;
    ++data;
    --size;
    switch (mode) {
        case 0: {
            const int radix = size > 0 ? data[0] % 40 : 10;
            const std::string_view text(reinterpret_cast<const char*>(data), size);
            FuzzParsers(text.substr(size > 0 ? 1 : 0), radix);
            break;
        }
        case 1: {
            const int precision = static_cast<std::int8_t>(Take<std::uint8_t>(data, size)) % 44;
            const int decimals = static_cast<std::int8_t>(Take<std::uint8_t>(data, size)) % 44;
            FuzzFormatNumber(precision, decimals, Take<double>(data, size));
            break;
        }
        case 2:
            FuzzAngleTexts(Take<double>(data, size));
            break;
        default: {
            const auto value = Take<std::uint32_t>(data, size);
            const int width = static_cast<std::int8_t>(Take<std::uint8_t>(data, size)) % 40;
            const int bits = static_cast<std::int8_t>(Take<std::uint8_t>(data, size)) % 40;
            FuzzRadixTexts(value, width, bits);
            break;
        }
    }
    return 0;
}

// The text-to-number conversions: strtod, strtol and strtoul as the C library defines them, but
// always in the "C" locale, so a point is the decimal separator whatever the user's settings.
#include <locale.h>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/number_text.h"

namespace quorvel {

namespace {

// The "C" locale, created once and never freed; the parsers only read it.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The C functions need a terminated text; the result is true when the conversion stopped at
// the end of `text` (an embedded NUL ends the conversion early, so such a text is refused).
template <typename Convert>
bool ConvertWhole(std::string_view text, Convert convert) {
    const std::string terminated(text);
    // glibc leaves the end pointer alone for an invalid radix: nothing was converted then.
    char* end = const_cast<char*>(terminated.c_str());
    errno = 0;
    convert(terminated.c_str(), &end);
    return end == terminated.c_str() + terminated.size();
}

bool StartsWithMinus(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) {
        ++text;
    }
    return *text == '-';
}

std::int32_t ClampToInt32(long value) {
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    if (value < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

// strtol in `radix`, clamped to the signed 32-bit range as a 32-bit strtol saturates.
bool ParseLong(std::string_view text, std::int32_t& value, int radix) {
    return ConvertWhole(text, [&](const char* start, char** end) {
        value = ClampToInt32(strtol_l(start, end, radix, CLocale()));
    });
}

}  // namespace

// A number too large for a double is a failed conversion (0 and false) rather than an
// infinity; a result too small for a double keeps the value strtod gives (zero or subnormal).
bool ParseReal(std::string_view text, double& value) {
    bool overflow = false;
    const bool whole = ConvertWhole(text, [&](const char* start, char** end) {
        value = strtod_l(start, end, CLocale());
        overflow = errno == ERANGE && std::isinf(value);
    });
    if (overflow) {
        value = 0.0;
        return false;
    }
    return whole;
}

bool ParseInt(std::string_view text, std::int32_t& value) {
    return ParseLong(text, value, 10);
}

bool ParseIntRadix(std::string_view text, std::int32_t& value, int radix) {
    return ParseLong(text, value, radix);
}

// The 32-bit strtoul: a magnitude above 4294967295 gives 4294967295, and a leading "-"
// negates the magnitude modulo 2^32. The 64-bit strtoul of this platform reads the text; its
// result is brought back to the 32-bit rules.
bool ParseUnsigned(std::string_view text, std::uint32_t& value, int radix) {
    return ConvertWhole(text, [&](const char* start, char** end) {
        const unsigned long wide = strtoul_l(start, end, radix, CLocale());
        const bool negative = *end != start && StartsWithMinus(start);
        const unsigned long magnitude = negative ? 0UL - wide : wide;
        if (errno == ERANGE || magnitude > UINT32_MAX) {
            value = UINT32_MAX;
        } else {
            const auto low = static_cast<std::uint32_t>(magnitude);
            value = negative ? 0U - low : low;
        }
    });
}

}  // namespace quorvel

// FormatNumber and FixedText: reals turned into the texts of result labels and settings.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "common/number_text.h"

namespace quorvel {

namespace {

// Significant digits of the decimal expansion that FormatNumber rounds from.
constexpr int kExpansionDigits = 18;

// A decimal value 0.d1 d2 ... dn x 10^exponent; zero has no digits and exponent 0.
struct Decimal {
    char digits[kExpansionDigits];
    int count = 0;
    int exponent = 0;
};

// The magnitude of a finite x to 18 significant digits, correctly rounded. False when the
// conversion fails.
bool ExpandTo18Digits(double x, Decimal& out) {
    out = Decimal{};
    x = std::fabs(x);
    if (x == 0.0) {
        return true;
    }
    // "d.ddddddddddddddddde+XXX": one digit, a point, 17 digits, the exponent.
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x,
                                         std::chars_format::scientific, kExpansionDigits - 1);
    if (ec != std::errc{} || end - buffer < kExpansionDigits + 3) {
        return false;
    }
    out.digits[0] = buffer[0];
    std::copy(buffer + 2, buffer + kExpansionDigits + 1, out.digits + 1);
    const char* e = buffer + kExpansionDigits + 1;
    if (*e != 'e') {
        return false;
    }
    ++e;
    const bool negative = *e == '-';
    if (*e == '-' || *e == '+') {
        ++e;
    }
    int power = 0;
    if (std::from_chars(e, end, power).ec != std::errc{}) {
        return false;
    }
    out.exponent = (negative ? -power : power) + 1;
    out.count = kExpansionDigits;
    return true;
}

// The first `keep` digits of value, rounded half away from zero at the next digit; a carry out
// of the first digit leaves the single digit 1 one decade higher. Trailing zeros are removed;
// a value whose digits all vanish (or a negative `keep`) is zero.
Decimal RoundToDigits(const Decimal& value, int keep) {
    Decimal out;
    if (keep < 0 || value.count == 0) {
        return out;
    }
    keep = std::min(keep, value.count);
    std::copy(value.digits, value.digits + keep, out.digits);
    out.count = keep;
    out.exponent = value.exponent;
    if (keep < value.count && value.digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && out.digits[i] == '9') {
            out.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++out.digits[i];
        } else {
            out.digits[0] = '1';
            out.count = 1;
            ++out.exponent;
        }
    }
    while (out.count > 0 && out.digits[out.count - 1] == '0') {
        --out.count;
    }
    if (out.count == 0) {
        out.exponent = 0;
    }
    return out;
}

void AppendExponent(std::string& text, int power) {
    char buffer[12];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, power);
    text.append(buffer, ec == std::errc{} ? end : buffer);
}

// "-d.dddEn": the sign, the first digit, the remaining digits after a point, the exponent.
std::string ScientificText(bool negative, const Decimal& value) {
    std::string text;
    if (negative) {
        text += '-';
    }
    text += value.digits[0];
    if (value.count > 1) {
        text += '.';
        text.append(value.digits + 1, value.digits + value.count);
    }
    text += 'E';
    AppendExponent(text, value.exponent - 1);
    return text;
}

std::string FixedFormText(bool negative, const Decimal& value, int decimals) {
    std::string text;
    if (negative) {
        text += '-';
    }
    if (value.exponent <= 0) {
        text += '0';
    } else {
        for (int i = 0; i < value.exponent; ++i) {
            text += i < value.count ? value.digits[i] : '0';
        }
    }
    if (decimals > 0) {
        text += '.';
        const std::size_t wanted = text.size() + std::min(decimals, kExpansionDigits);
        if (value.exponent < 0) {
            text.append(std::min(-value.exponent, decimals), '0');
        }
        for (int i = std::max(value.exponent, 0); i < value.count; ++i) {
            text += value.digits[i];
        }
        text.resize(wanted, '0');
    }
    return text;
}

// The scientific form with as many significant digits (at most `most`) as fit, exponent
// included, in `width` characters; empty when not even one digit fits.
std::string FittedScientificText(bool negative, const Decimal& expansion, int most, int width) {
    for (int keep = most; keep >= 1; --keep) {
        std::string text = ScientificText(negative, RoundToDigits(expansion, keep));
        if (static_cast<int>(text.size()) <= width) {
            return text;
        }
    }
    return {};
}

std::string CutTo(std::string text, int width) {
    if (static_cast<int>(text.size()) > width) {
        text.resize(std::max(width, 0));
    }
    return text;
}

}  // namespace

// Rounding happens once, half away from zero, on the 18-digit expansion; the digit kept last
// is the d-th decimal or the P-th significant digit, whichever comes first. A text longer than
// the precision is cut at its end, which only drops decimals as long as the integer part (or,
// in scientific form, the exponent) fits; when it would not, the value is written in the
// scientific form with fewer significant digits instead, so that the cut never changes the
// magnitude shown. The decimal separator is always a point.
std::string FormatNumber(int precision, int decimals, double value) {
    if (std::isnan(value)) {
        return CutTo("NAN", precision);
    }
    if (std::isinf(value)) {
        return CutTo(value < 0 ? "-INF" : "INF", precision);
    }
    const int digits = std::clamp(precision, 2, kExpansionDigits);
    // Beyond these bounds every finite double gives the same text (|exponent| <= 324).
    decimals = std::clamp(decimals, -1000, 1000);

    Decimal expansion;
    if (!ExpandTo18Digits(value, expansion)) {
        return "Nan";
    }
    const int places = expansion.exponent + decimals;
    const Decimal kept = RoundToDigits(expansion, places < 0 ? -1 : std::min(places, digits));
    const bool negative = value < 0 && kept.count > 0;

    if (kept.exponent > digits) {
        std::string text = ScientificText(negative, kept);
        if (static_cast<int>(text.size()) > precision) {
            std::string fitted = FittedScientificText(negative, expansion, kept.count, precision);
            if (!fitted.empty()) {
                return fitted;
            }
        }
        return CutTo(std::move(text), precision);
    }
    std::string text = FixedFormText(negative, kept, decimals);
    const int integerPart = (negative ? 1 : 0) + std::max(kept.exponent, 1);
    if (integerPart > precision) {
        std::string fitted = FittedScientificText(negative, expansion, kept.count, precision);
        if (!fitted.empty()) {
            return fitted;
        }
    }
    return CutTo(std::move(text), precision);
}

// printf's "%*.*f" with width - decimals: the width only adds leading spaces, which are
// removed again, so only the digits matter. std::to_chars gives the same digits as printf
// (the exact binary value rounded half to even) without depending on the locale. A negative
// count of decimals means printf's default of 6.
std::string FixedText(double value, int width, int decimals) {
    (void)width;
    if (decimals < 0) {
        decimals = 6;
    }
    // Sign, up to 309 integer digits, the point and the decimals.
    std::string text(static_cast<std::size_t>(decimals) + 320, '\0');
    const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        return "INVALID";
    }
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

}  // namespace quorvel

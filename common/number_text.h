#pragma once
// Numbers and angles turned into text and back. Every number the program shows, stores or
// reads passes through here. Texts are 8-bit; every parser reads a point as the decimal
// separator and no function depends on the process locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The text of a result label: fixed notation with `decimals` decimals and at most `precision`
// significant digits, rounded half away from zero on the 18-digit decimal expansion of
// `value`, cut to `precision` characters; scientific form ("1E28") when the integer part needs
// more digits than the precision. Where the cut would drop integer digits or the exponent, the
// scientific form keeps fewer digits instead ("1.2346E8" for 123456789 in 8 characters).
// "INF", "-INF", "NAN" for non-finite values. The separator is always a point. Never fails.
std::string FormatNumber(int precision, int decimals, double value);

// The C fixed conversion of value with `decimals` decimals, every space removed;
// "INVALID" when the conversion fails.
std::string FixedText(double value, int width, int decimals);

// strtod / strtol / strtoul with a point as decimal separator. The converted value (of the
// longest leading number, 0 when none) is always stored; true only when the whole text was
// read. Leading white space is accepted, trailing characters are not. "" gives 0 and true.
// A real too large for a double gives 0 and false; integers saturate at the 32-bit limits
// (ParseUnsigned: 4294967295, and a leading "-" negates modulo 2^32).
bool ParseReal(std::string_view text, double& value);
bool ParseInt(std::string_view text, std::int32_t& value);
bool ParseUnsigned(std::string_view text, std::uint32_t& value, int radix);
bool ParseIntRadix(std::string_view text, std::int32_t& value, int radix);

// Fixed-width upper-case hexadecimal ("0x" prefix) and octal ("o" prefix) texts; a value that
// needs more digits keeps its `width` most significant ones.
std::string HexText(std::uint32_t value, int width, bool prefix);
std::string OctalText(std::uint32_t value, int width, bool prefix);
// The `bits` low bits of value as "0"/"1" characters (see the cut rule for wider values).
std::string BinaryText(std::uint32_t value, int bits);
// "0000".."1111" for the characters "0".."F"; any other character gives "0000".
std::string NibbleText(char digit);
std::string YesNoText(bool value);

// Pads on the left with `fill` to `width` characters, or keeps the first `width` characters.
std::string PadOrCut(int width, char fill, std::string_view text);
std::string RemoveChar(std::string_view text, char c);
std::string StripLeading(char c, std::string_view text);
// The part before / after the first `separator`; "" when it does not occur.
std::string TextBefore(std::string_view text, std::string_view separator);
std::string TextAfter(std::string_view text, std::string_view separator);
// True when the texts differ at most in the letter case of ASCII letters (names of settings
// sections and keys, pages, controls); other bytes compare as they are, whatever the locale.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// An angle in degrees brought into [0, 360) by removing whole turns; an angle beyond 10000
// radians (about 572958 degrees), an infinity or a NaN gives 0.
double ReduceToOneTurn(double degrees);
// Splits an angle in radians into whole degrees (carrying the sign), minutes and seconds.
void SplitDms(double radians, int& degrees, int& minutes, double& seconds);
// "DDD MM SS.sss" with an optional leading "-" for an angle in degrees; an angle between -1 and
// 0 degrees is written "-000 MM SS.sss" although its whole degrees d are 0.
std::string DmsText(double degrees, int& d, int& m, double& s);
std::string DmsText(double degrees);
// The same text with the parts formatted by FixedText (C rounding of the seconds).
std::string LatLongText(double degrees);
// Reads "D M S.s" (degrees clamped to +-70 for a latitude, +-179 otherwise; minutes to 0..59;
// seconds to 0..59.99999999) into degrees; degrees written "-0" give a negative angle.
// False, value unchanged, when the text is malformed (NaN seconds included).
bool ParseDms(std::string_view text, bool latitude, double& degrees);

}  // namespace quorvel

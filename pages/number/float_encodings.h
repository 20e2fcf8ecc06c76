#pragma once
// Decoders of a 32-bit word read as a floating-point number in three machine formats, so that
// an engineer can see what a telemetry word means as an IEEE 754 single, a MIL-STD-1750A
// 32-bit float and a DEC F floating number. They only read bit patterns; nothing here encodes.
//
// Every power of two involved lies in 2^-149..2^127 and every result below 2^128 in
// magnitude, so the results are exact doubles and never MATH_ERROR_VALUE.

#include <cstdint>

namespace quorvel {

// IEEE 754 binary32: sign bit 31, exponent bits 30..23 biased by 127, fraction bits 22..0
// below a hidden 1 (none for the subnormal exponent 0). Sets value to the number widened to
// double (subnormals and signed zero kept) and returns true; for the exponent field 255
// (infinities and NaNs) sets value to 0 and returns false.
bool Ieee754FloatValue(std::uint32_t w, double& value);

// MIL-STD-1750A 32-bit float: bits 31..8 a 24-bit two's complement fraction m with the binary
// point after bit 31 (-1 <= m < 1), bits 7..0 an 8-bit two's complement exponent e; the value
// is m x 2^e (0x40000000 -> 0.5, 0x80000000 -> -1.0, 0x7FFFFF7F -> 1.7014116e38). An
// unnormalised fraction decodes by the same rule; a zero fraction gives 0 for any exponent.
double MilStd1750Value(std::uint32_t w);

// DEC F floating, taken as one 32-bit word with the sign in bit 31 (not in the PDP-11/VAX
// memory order with the 16-bit halves exchanged): exponent bits 30..23 in excess 128, fraction
// bits 22..0 below a hidden bit of weight 1/2. Value = (-1)^sign x 2^(e-128) x (0.5 + f/2^24)
// (0x40800000 -> 1.0, 0x41200000 -> 2.5). The exponent field 0 has no special meaning here:
// the word 0 gives 2^-129 (about 1.47e-39).
double DecFloatValue(std::uint32_t w);

}  // namespace quorvel

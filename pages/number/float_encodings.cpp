#include "pages/number/float_encodings.h"

#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr double kTwoTo23 = 8388608.0;
constexpr double kTwoTo24 = 16777216.0;

double PowerOfTwo(int exponent) {
    return SafePow(2.0, static_cast<double>(exponent));
}

}  // namespace

bool Ieee754FloatValue(std::uint32_t w, double& value) {
    const int exponent = static_cast<int>((w >> 23) & 0xFFU);
    const std::uint32_t fraction = w & 0x7FFFFFU;
    if (exponent == 0xFF) {
        value = 0;
        return false;
    }
    const double sign = (w & 0x80000000U) != 0 ? -1.0 : 1.0;
    if (exponent == 0) {
        // Subnormal (or zero): no hidden bit, the exponent of the smallest normal number.
        value = sign * (static_cast<double>(fraction) * PowerOfTwo(-149));
        return true;
    }
    const double significand = 1.0 + static_cast<double>(fraction) / kTwoTo23;
    value = sign * (significand * PowerOfTwo(exponent - 127));
    return true;
}

double MilStd1750Value(std::uint32_t w) {
    const int exponent = static_cast<std::int8_t>(static_cast<std::uint8_t>(w & 0xFFU));
    // Bits 31..8 as a signed 24-bit integer: the arithmetic shift copies the sign bit in.
    const std::int32_t mantissa = static_cast<std::int32_t>(w) >> 8;
    return (static_cast<double>(mantissa) / kTwoTo23) * PowerOfTwo(exponent);
}

double DecFloatValue(std::uint32_t w) {
    const double sign = (w & 0x80000000U) != 0 ? -1.0 : 1.0;
    const int exponent = static_cast<int>((w >> 23) & 0xFFU) - 128;
    const std::uint32_t fraction = w & 0x7FFFFFU;
    return sign * PowerOfTwo(exponent) * (0.5 + static_cast<double>(fraction) / kTwoTo24);
}

}  // namespace quorvel

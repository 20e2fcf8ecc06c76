#include "common/safe_math.h"

#include <bit>
#include <cfenv>
#include <cmath>

namespace quorvel {

namespace {

// The quarter turn returned for a point on the y axis, kept exactly as the program has always
// written it (three units in the last place above the double nearest to pi/2).
constexpr double kQuarterTurn = 1.5707963267948972;

// The trigonometric functions are computed only for -263 < x < 263 radians.
constexpr double kTrigLimit = 263.0;

// Integer conversions clamp to these bounds before rounding; the upper one is all 32 bits set.
constexpr double kLowestInt = -2147483647.0;
constexpr double kHighestPattern = 4294967295.0;

// The low 32 bits of an integral double in [kLowestInt, kHighestPattern], read as signed.
std::int32_t LowBits(double integral) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(integral)));
}

// floor or ceil of x after the clamps. A NaN has no integer part: it gives 0, the low 32 bits
// of the "integer indefinite" pattern that an x87 conversion stores for it.
template <double (*Round)(double)>
std::int32_t ClampedToInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x < kLowestInt) {
        return static_cast<std::int32_t>(kLowestInt);
    }
    if (x > kHighestPattern) {
        return LowBits(kHighestPattern);
    }
    return LowBits(Round(x));
}

double Floor(double x) {
    return std::floor(x);
}
double Ceil(double x) {
    return std::ceil(x);
}

}  // namespace

double SafeLog(double x) {
    if (x == 0.0) {
        return MATH_ERROR_VALUE;
    }
    if (x < 0.0) {
        return MATH_ERROR_VALUE;
    }
    return std::log(x);
}

double SafeLog10(double x) {
    if (x == 0.0) {
        return MATH_ERROR_VALUE;
    }
    if (x < 0.0) {
        return MATH_ERROR_VALUE;
    }
    return std::log10(x);
}

double SafeExp(double x) {
    return std::exp(x);
}

// The program was built for a floating-point unit that traps on overflow, and the power
// function returned MATH_ERROR_VALUE when that trap aborted it. This platform only raises the
// overflow flag and returns an infinity, so the flag is tested instead: an overflow inside
// std::pow gives MATH_ERROR_VALUE. Domain errors (a negative base with a fractional exponent,
// a zero base with a negative exponent) never trapped and still pass the platform's NaN or
// infinity through, as does an infinite argument. The caller's own overflow flag is kept.
double SafePow(double base, double exponent) {
    std::fexcept_t saved{};
    std::fegetexceptflag(&saved, FE_OVERFLOW);
    std::feclearexcept(FE_OVERFLOW);
    // volatile keeps the call between the clear and the test of the flag.
    const volatile double result = std::pow(base, exponent);
    const bool overflowed = std::fetestexcept(FE_OVERFLOW) != 0;
    std::fesetexceptflag(&saved, FE_OVERFLOW);
    return overflowed ? MATH_ERROR_VALUE : result;
}

double SafeAcos(double x) {
    if (x < -1.0 || x > 1.0) {
        return MATH_ERROR_VALUE;
    }
    return std::acos(x);
}

double SafeAsin(double x) {
    if (x < -1.0 || x > 1.0) {
        return MATH_ERROR_VALUE;
    }
    return std::asin(x);
}

double SafeAtan(double x) {
    if (x == 0.0) {
        return 0.0;
    }
    return std::atan(x);
}

double SafeAtan2(double y, double x) {
    if (x == 0.0 && y == 0.0) {
        return MATH_ERROR_VALUE;
    }
    if (x == 0.0 && y < 0.0) {
        return -kQuarterTurn;
    }
    if (x == 0.0 && y > 0.0) {
        return kQuarterTurn;
    }
    return std::atan2(y, x);
}

double SafeCos(double x) {
    if (x <= -kTrigLimit || x >= kTrigLimit) {
        return MATH_ERROR_VALUE;
    }
    return std::cos(x);
}

double SafeSin(double x) {
    if (x <= -kTrigLimit || x >= kTrigLimit) {
        return MATH_ERROR_VALUE;
    }
    return std::sin(x);
}

double SafeTan(double x) {
    if (x <= -kTrigLimit || x >= kTrigLimit) {
        return MATH_ERROR_VALUE;
    }
    return std::tan(x);
}

std::int32_t FloorToInt(double x) {
    return ClampedToInt<Floor>(x);
}

std::int32_t CeilToInt(double x) {
    return ClampedToInt<Ceil>(x);
}

// Both neighbours are read as signed values, so between 2^31 and 2^32 the distances are those
// of the wrapped integers; a tie (and a NaN) goes to the floor.
std::int32_t RoundToInt(double x) {
    const std::int32_t f = FloorToInt(x);
    const std::int32_t c = CeilToInt(x);
    const double below = x - f;
    const double above = c - x;
    return below > above ? c : f;
}

bool IsFiniteValue(double x) {
    return std::isfinite(x);
}

// std::rotl and std::rotr reduce the count modulo 32 themselves, negative counts included.
std::uint32_t RotateLeft32(std::uint32_t value, int count) {
    return std::rotl(value, count);
}

std::uint32_t RotateRight32(std::uint32_t value, int count) {
    return std::rotr(value, count);
}

std::int32_t AbsInt(std::int32_t x) {
    // Negated in unsigned arithmetic so that the most negative value wraps instead of
    // overflowing.
    return x >= 0 ? x : static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(x));
}

}  // namespace quorvel

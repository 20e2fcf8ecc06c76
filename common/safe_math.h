#pragma once
// Guarded wrappers around the standard maths functions. Each one either computes the standard
// result or, for an argument outside the domain it accepts, returns MATH_ERROR_VALUE, which
// callers carry on as an ordinary (absurdly large) number instead of testing for failure.
// Angles are in radians. None of these functions throws or keeps state.

#include <cstdint>

namespace quorvel {

// The one failure value: eleven significant nines, not 1e27.
inline constexpr double MATH_ERROR_VALUE = 9.9999999999e26;

// Natural and base-10 logarithms; x = 0 or x < 0 gives MATH_ERROR_VALUE.
double SafeLog(double x);
double SafeLog10(double x);
// e to the power x, unguarded.
double SafeExp(double x);
// base to the power exponent; a computation that traps gives MATH_ERROR_VALUE, otherwise the
// platform's result is passed on (a NaN or an infinity for a domain or range error).
double SafePow(double base, double exponent);
// Arc cosine [0, pi] and arc sine [-pi/2, pi/2]; |x| > 1 gives MATH_ERROR_VALUE.
double SafeAcos(double x);
double SafeAsin(double x);
// Arc tangent; 0 gives 0 without calling the library.
double SafeAtan(double x);
// Angle of the point (x, y) in (-pi, pi]; (0, 0) gives MATH_ERROR_VALUE, x = 0 gives the
// quarter turn +-1.5707963267948972 chosen by the sign of y.
double SafeAtan2(double y, double x);
// Cosine, sine and tangent for -263 < x < 263 radians; outside gives MATH_ERROR_VALUE.
double SafeCos(double x);
double SafeSin(double x);
double SafeTan(double x);

// The low 32 bits of floor(x) / ceil(x); x < -2147483647 gives -2147483647 and
// x > 4294967295 gives 4294967295 (all bits set, -1 as a signed value).
std::int32_t FloorToInt(double x);
std::int32_t CeilToInt(double x);
// The nearer of FloorToInt(x) and CeilToInt(x); on a tie the floor (2.5 -> 2, -2.5 -> -3).
std::int32_t RoundToInt(double x);
// True when x is neither an infinity nor a NaN.
bool IsFiniteValue(double x);
// 32-bit rotations; the count is taken modulo 32.
std::uint32_t RotateLeft32(std::uint32_t value, int count);
std::uint32_t RotateRight32(std::uint32_t value, int count);
// |x| for a signed 32-bit x (wraps for the most negative value, as two's complement does).
std::int32_t AbsInt(std::int32_t x);

}  // namespace quorvel

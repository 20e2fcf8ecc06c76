#pragma once
// The two angle factors of the Math/Trig page and its DMS entry dialog. Both are the
// program's own roundings, not the exact 180/pi and pi/180: the degrees per radian is a double
// a little below 180/pi (57.29577951308232), and the radians per degree is taken at extended
// precision, a little above pi/180, so that 90 degrees become 1.570796326794897 radians (just
// above pi/2).

namespace quorvel::mathtrig {

inline constexpr double kDegreesPerRadian = 57.2957795130823;
inline constexpr long double kRadiansPerDegree = 0.0174532925199433L;

// An angle in degrees in radians: the product in extended precision, rounded once to a double.
inline double DegreesToRadians(double degrees) {
    return static_cast<double>(static_cast<long double>(degrees) * kRadiansPerDegree);
}

// An angle in radians in degrees, a plain double product.
inline double RadiansToDegrees(double radians) {
    return radians * kDegreesPerRadian;
}

}  // namespace quorvel::mathtrig

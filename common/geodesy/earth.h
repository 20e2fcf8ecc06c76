#pragma once
// The WGS-84 ellipsoid as the geodesy functions use it, and the records they pass positions
// in. Every length is in nautical miles and every angle in radians; feet and degrees appear only
// where a page shows or reads a value.

#include <array>
#include <cmath>

#include "common/geodesy/horizon.h"

namespace quorvel {

// Feet per metre, the factor behind both axis lengths below.
inline constexpr double FEET_PER_METRE = 3.2808;

// Semi-major axis: 6378137 m x 3.2808 ft/m / 6076.115489 ft/nmi (nautical miles).
inline constexpr double EARTH_A_NMI = 3443.8765865268106;
// Semi-minor axis: 6356752.3142 m converted the same way (nautical miles).
inline constexpr double EARTH_B_NMI = 3432.3299203550346;

// First eccentricity sqrt(a^2 - b^2) / a and its square, derived from the two axes above (so
// the square is about 0.006694380004261, not the published 0.00669437999014). Initialised
// before any variable defined after this header in a translation unit, so a static table of
// a test may already convert positions.
inline const double EARTH_ECC =
    std::sqrt(EARTH_A_NMI * EARTH_A_NMI - EARTH_B_NMI * EARTH_B_NMI) / EARTH_A_NMI;
inline const double EARTH_ECC_SQ = EARTH_ECC * EARTH_ECC;

// The limits LimitLlm keeps a geodetic position within. The latitude limit is 70 degrees;
// the longitude limit lies three units in the last place above the double nearest pi; the
// altitude runs from -200 ft to 5000 nmi.
inline constexpr double LATITUDE_LIMIT = 1.221730476396031;
inline constexpr double LONGITUDE_LIMIT = 3.1415926535897944;
inline constexpr double ALTITUDE_LOWEST = -0.03291576672004893;
inline constexpr double ALTITUDE_HIGHEST = 5000.0;

// A geodetic position: latitude (radians, north positive), longitude (radians, east positive)
// and altitude (nautical miles above the ellipsoid; the page calls it "Msl", there is no geoid).
struct LlmPosition {
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
};

// Earth-centred Earth-fixed coordinates (nautical miles): x toward latitude 0, longitude 0;
// y toward latitude 0, longitude +90 degrees; z toward the north pole.
struct EcefVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

// An offset in the local tangent frame of a reference position (nautical miles).
struct EnuVector {
    double east = 0;
    double north = 0;
    double up = 0;
};

// A point seen from a reference position: straight-line range (nautical miles), azimuth
// (radians clockwise from north seen from above) and elevation (radians above the reference's
// tangent plane).
struct RaeVector {
    double range = 0;
    double azimuth = 0;
    double elevation = 0;
};

// A 3x3 matrix, nine doubles in row order.
using Matrix3 = std::array<double, 9>;

}  // namespace quorvel

#include "common/geodesy/ecef_conversions.h"

#include <algorithm>
#include <cmath>

#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr int kMostRounds = 64;
// Two successive tangents this close are taken as converged. It lies far below the
// resolution of a double near 1, so in practice it asks for two equal values.
constexpr double kSettled = 1e-21;
// An iteration that alternates between two neighbouring doubles never settles in the sense
// above; when its last two values differ by no more than this fraction of the value (a few
// units in the last place), the last one is as good as converged.
constexpr double kAlternating = 1e-15;
// A limited position lies at most EARTH_A_NMI + ALTITUDE_HIGHEST from the polar axis; the
// iteration is not asked for points farther out in x or y.
constexpr double kFarthestFromAxis = EARTH_A_NMI + ALTITUDE_HIGHEST;
constexpr double kLargestAxisDistanceSq = 2e32;
// At and beyond this latitude (radians, about 45 degrees) the altitude is taken from z, where
// the cosine of the latitude loses its precision.
constexpr double kSteepLatitude = 0.7854;
constexpr double kEcefRange = 320000.0;

double FiniteOrZero(double value) {
    return IsFiniteValue(value) ? value : 0.0;
}

}  // namespace

void LimitLlm(LlmPosition& position) {
    position.latitude = FiniteOrZero(position.latitude);
    position.longitude = FiniteOrZero(position.longitude);
    position.altitude = FiniteOrZero(position.altitude);
    position.latitude = std::clamp(position.latitude, -LATITUDE_LIMIT, LATITUDE_LIMIT);
    position.longitude = std::clamp(position.longitude, -LONGITUDE_LIMIT, LONGITUDE_LIMIT);
    position.altitude = std::clamp(position.altitude, ALTITUDE_LOWEST, ALTITUDE_HIGHEST);
}

EcefVector LlmToEcef(LlmPosition& position) {
    LimitLlm(position);
    const double e2 = EARTH_ECC_SQ;
    const double sinLat = SafeSin(position.latitude);
    const double cosLat = SafeCos(position.latitude);
    const double cosLong = SafeCos(position.longitude);
    const double sinLong = SafeSin(position.longitude);
    const double h = position.altitude;
    // Radius of curvature in the prime vertical.
    const double n = EARTH_A_NMI / std::sqrt(1 - e2 * (sinLat * sinLat));
    EcefVector ecef;
    ecef.x = (n + h) * cosLat * cosLong;
    ecef.y = (n + h) * cosLat * sinLong;
    ecef.z = (n * (1 - e2) + h) * sinLat;
    return ecef;
}

bool EcefToLlm(const EcefVector& ecef, LlmPosition& position) {
    const double a = EARTH_A_NMI;
    const double e2 = EARTH_ECC_SQ;
    const double x = ecef.x;
    const double y = ecef.y;
    const double z = ecef.z;
    if (std::fabs(x) > kFarthestFromAxis || std::fabs(y) > kFarthestFromAxis) {
        return false;
    }
    const double pSq = x * x + y * y;
    // Written so that a NaN fails as well.
    if (!(pSq > 0 && pSq <= kLargestAxisDistanceSq)) {
        return false;
    }
    const double p = std::sqrt(pSq);

    // Fixed point of t = tan(latitude) = z / (p - a e^2 / sqrt((1 - e^2) t^2 + 1)).
    double t = z / p / (1 - e2);
    double previous = t;
    bool converged = false;
    for (int round = 0; round < kMostRounds && !converged; ++round) {
        previous = t;
        const double s = std::sqrt((1 - e2) * (t * t) + 1);
        t = z / (p - a * e2 / s);
        converged = std::fabs(t - previous) <= kSettled;
    }
    if (!converged && !(std::fabs(t - previous) <= kAlternating * std::fabs(t))) {
        return false;
    }

    const double latitude = SafeAtan(t);
    const double longitude = SafeAtan2(y, x);
    const double sinLat = SafeSin(latitude);
    const double n = a / std::sqrt(1 - e2 * (sinLat * sinLat));
    double altitude = 0;
    if (std::fabs(latitude) >= kSteepLatitude) {
        altitude = z / sinLat - n + e2 * n;
    } else {
        altitude = p / SafeCos(latitude) - n;
    }
    position.latitude = latitude;
    position.longitude = longitude;
    position.altitude = altitude;
    return true;
}

bool EcefInRange(const EcefVector& ecef) {
    const auto inRange = [](double v) { return v >= -kEcefRange && v <= kEcefRange; };
    return inRange(ecef.x) && inRange(ecef.y) && inRange(ecef.z);
}

double EllipsoidAltitude(const EcefVector& ecef) {
    if (!EcefInRange(ecef)) {
        return 0;
    }
    const double e2 = EARTH_ECC_SQ;
    const double k = 1 - e2;
    const double pSq = ecef.x * ecef.x + ecef.y * ecef.y;
    // z stretched by 1 / sqrt(k), so that the ellipsoid becomes a sphere of radius a.
    const double zSq = ecef.z * ecef.z / k;
    if (pSq + zSq < 0) {
        return 0;
    }
    const double r = std::sqrt(pSq + zSq);
    const double d = k * pSq + zSq;
    if (d == 0) {
        return 0;
    }
    const double q = zSq / d;
    const double w = -e2 * q;
    const double u = 2 + w;
    if (u == 0) {
        return 0;
    }
    const double f = (1 + w) / u + u * 0.25;
    return (r - EARTH_A_NMI) * f;
}

}  // namespace quorvel

#include "common/geodesy/miss_distance.h"

#include <cmath>

#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr double kDegreesPerRadian = 57.2957795130823;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kHoursPerDegree = 0.03333333333333333;  // one hour is 30 degrees

}  // namespace

void MissDistanceAndClock(double dx, double dy, double& distance, double& clock) {
    distance = std::sqrt(dx * dx + dy * dy);
    const double angle = SafeAtan2(dx, dy);
    // No direction for no miss: the failed arc tangent is read as 12 o'clock.
    double degrees = angle == MATH_ERROR_VALUE ? 0.0 : angle * kDegreesPerRadian;
    if (degrees < 0) {
        degrees += kFullTurnDegrees;
    }
    if (degrees == kFullTurnDegrees) {
        degrees = 0;
    }
    clock = degrees * kHoursPerDegree;
}

}  // namespace quorvel

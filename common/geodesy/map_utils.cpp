#include "common/geodesy/map_utils.h"

#include "common/number_text.h"
#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr std::int32_t kFullTurn = 360;
constexpr std::int32_t kHalfTurn = 180;

// Two digits at least: FormatNumber's text with a leading "0" below 10.
std::string TwoDigitText(std::int32_t value) {
    std::string text = FormatNumber(2, 0, value);
    if (value < 10) {
        text.insert(0, 1, '0');
    }
    return text;
}

}  // namespace

bool VectorsEqual(const std::array<double, 3>& u, const std::array<double, 3>& v) {
    return u[0] == v[0] && u[1] == v[1] && u[2] == v[2];
}

bool VectorsEqual(const LlmPosition& u, const LlmPosition& v) {
    return VectorsEqual(std::array{u.latitude, u.longitude, u.altitude},
                        std::array{v.latitude, v.longitude, v.altitude});
}

bool VectorsEqual(const EcefVector& u, const EcefVector& v) {
    return VectorsEqual(std::array{u.x, u.y, u.z}, std::array{v.x, v.y, v.z});
}

bool VectorsEqual(const EnuVector& u, const EnuVector& v) {
    return VectorsEqual(std::array{u.east, u.north, u.up}, std::array{v.east, v.north, v.up});
}

bool VectorsEqual(const RaeVector& u, const RaeVector& v) {
    return VectorsEqual(std::array{u.range, u.azimuth, u.elevation},
                        std::array{v.range, v.azimuth, v.elevation});
}

void NormalizeDegrees360(std::int32_t& degrees) {
    if (degrees < 0) {
        degrees += kFullTurn;
    } else if (degrees >= kFullTurn) {
        degrees -= kFullTurn;
    }
    if (degrees == kFullTurn) {
        degrees = 0;
    }
}

void NormalizeDegrees180(std::int32_t& degrees) {
    NormalizeDegrees360(degrees);
    if (degrees > kHalfTurn) {
        degrees -= kFullTurn;
    }
}

std::string ClockText(double hours) {
    std::int32_t wholeHours = FloorToInt(hours);
    const std::int32_t minutes = FloorToInt((hours - wholeHours) * 60);
    std::int32_t quarter = 0;
    if (minutes <= 6) {
        quarter = 0;
    } else if (minutes <= 21) {
        quarter = 15;
    } else if (minutes <= 36) {
        quarter = 30;
    } else if (minutes <= 51) {
        quarter = 45;
    } else {
        quarter = 0;
        ++wholeHours;
    }
    return TwoDigitText(wholeHours) + ":" + TwoDigitText(quarter);
}

}  // namespace quorvel

#include "common/geodesy/horizon.h"

#include <cmath>

namespace quorvel {
namespace {

constexpr double kHorizonFactor = 1.17;    // nautical miles per square root of feet
constexpr double kRadioOverVisual = 1.33;  // refracted over geometric horizon

}  // namespace

double VisualHorizonNmi(double altitudeNmi) {
    if (!(altitudeNmi > 0)) {
        return 0;
    }
    const double feet = altitudeNmi * FEET_PER_NMI;
    return std::sqrt(feet) * kHorizonFactor;
}

double RadioHorizonNmi(double altitudeNmi) {
    if (!(altitudeNmi > 0)) {
        return 0;
    }
    return VisualHorizonNmi(altitudeNmi) * kRadioOverVisual;
}

}  // namespace quorvel

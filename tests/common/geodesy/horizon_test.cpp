#include "common/geodesy/horizon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvel {
namespace {

TEST(Horizon, FeetPerNauticalMileIsTheProgramsOwnFigure) {
    EXPECT_EQ(FEET_PER_NMI, 6076.115489);
}

TEST(Horizon, VisualIsOnePointOneSevenRootFeetAndRadioOnePointThreeThreeTimesThat) {
    // 10000 ft expressed in nautical miles.
    const double altitude = 10000 / FEET_PER_NMI;
    EXPECT_NEAR(VisualHorizonNmi(altitude), 117.0, 1e-9);
    EXPECT_NEAR(VisualHorizonNmi(1), 1.17 * std::sqrt(6076.115489), 1e-12);
    EXPECT_NEAR(RadioHorizonNmi(altitude), 155.61, 1e-9);
}

TEST(Horizon, NoHeightNoHorizon) {
    for (double altitude : {0.0, -0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(VisualHorizonNmi(altitude), 0) << altitude;
        EXPECT_EQ(RadioHorizonNmi(altitude), 0) << altitude;
    }
}

}  // namespace
}  // namespace quorvel

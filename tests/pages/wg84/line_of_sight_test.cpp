#include "pages/wg84/line_of_sight.h"

#include <gtest/gtest.h>
#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace quorvel {
namespace {

constexpr double kMetresPerNmi = FEET_PER_NMI / FEET_PER_METRE;
constexpr double kRadiansPerDegree = 0.017453292519943295;
// The 6371 km sphere the hand-worked cases use, in the page's nautical miles.
constexpr double kHandRadius = 6371000 / kMetresPerNmi;

double Nmi(double feet) {
    return feet / FEET_PER_NMI;
}
double Feet(double nmi) {
    return nmi * FEET_PER_NMI;
}

// The clearance formula itself, for checking where a blocked stretch ends.
double HeightOverEarth(double refFt, double tgtFt, double length, double radius, double d) {
    return Nmi(refFt) + Nmi(tgtFt - refFt) * d / length - d * (length - d) / (2 * radius);
}

struct HandCase {
    const char* name;
    double refFt;
    double tgtFt;
    double lengthNmi;
    double sightFt;  // worked by hand with the 6371 km sphere
    double sightAt;
    double radioFt;
    double radioAt;
};

class ClearanceByHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(ClearanceByHand, LeastHeightOverTheEarthForBothPaths) {
    const HandCase& c = GetParam();
    const PathClearance sight =
        ClearanceOverPath(Nmi(c.refFt), Nmi(c.tgtFt), c.lengthNmi, kHandRadius);
    const PathClearance radio =
        ClearanceOverPath(Nmi(c.refFt), Nmi(c.tgtFt), c.lengthNmi, kRadioEarthFactor * kHandRadius);
    EXPECT_NEAR(Feet(sight.clearance), c.sightFt, 1.0);
    EXPECT_NEAR(sight.at, c.sightAt, 0.05);
    EXPECT_EQ(sight.clear, c.sightFt >= 0);
    EXPECT_NEAR(Feet(radio.clearance), c.radioFt, 1.0);
    EXPECT_NEAR(radio.at, c.radioAt, 0.05);
    EXPECT_EQ(radio.clear, c.radioFt >= 0);
    // A blocked path runs below the earth between two points where it meets the surface (or
    // the path's ends), around its lowest point; a clear path has no such stretch.
    const double radii[] = {kHandRadius, kRadioEarthFactor * kHandRadius};
    const PathClearance* paths[] = {&sight, &radio};
    for (int i = 0; i < 2; ++i) {
        const PathClearance& path = *paths[i];
        if (path.clear) {
            EXPECT_EQ(path.blockedFrom, path.blockedTo) << i;
            continue;
        }
        EXPECT_LT(path.blockedFrom, path.at) << i;
        EXPECT_GT(path.blockedTo, path.at) << i;
        for (const double end : {path.blockedFrom, path.blockedTo}) {
            if (end > 0 && end < c.lengthNmi) {
                EXPECT_NEAR(Feet(HeightOverEarth(c.refFt, c.tgtFt, c.lengthNmi, radii[i], end)), 0,
                            1e-6)
                    << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClearanceByHand,
    ::testing::Values(
        // The bulge D^2 / (8 k R) in the middle of a 10 nmi path at sea level.
        HandCase{"BothAtZeroTenNmiApart", 0, 0, 10, -22.08, 5, -16.56, 5},
        // The line climbs faster than the earth falls away: least height at the antenna.
        HandCase{"AntennaAndTargetHundredNmi", 100, 10000, 100, 100, 0, 100, 0},
        HandCase{"OnlyTheRadioPathAt125Nmi", 100, 10000, 125, -175.4, 17.66, 95.1, 2.71},
        HandCase{"NeitherAt150Nmi", 100, 10000, 150, -1151, 37.63, -320, 25.17},
        // The formula's vertex lies beyond the target: least height at the target.
        HandCase{"TargetBelowTheAntenna", 10000, 50, 20, 50, 20, 50, 20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineOfSight, EqualPositionsHaveNoPathAndSeeEachOther) {
    const LlmPosition here{0.6228644253256228, -2.053899198162236, Nmi(2283.26)};
    const LineOfSightFigures figures = ComputeLineOfSight(here, here);
    EXPECT_EQ(figures.pathLength, 0);
    EXPECT_TRUE(figures.samePosition);
    EXPECT_EQ(figures.sight.clearance, here.altitude);
    EXPECT_TRUE(figures.sight.clear);
    EXPECT_TRUE(figures.radio.clear);
    // Below the ellipsoid a position still sees itself.
    const LlmPosition low{0.5, 0.5, Nmi(-150)};
    const LineOfSightFigures lowFigures = ComputeLineOfSight(low, low);
    EXPECT_NEAR(Feet(lowFigures.sight.clearance), -150, 1e-9);
    EXPECT_TRUE(lowFigures.sight.clear);
    EXPECT_TRUE(lowFigures.radio.clear);
}

TEST(LineOfSight, TargetStraightAboveClearsByTheLowerAltitude) {
    const LlmPosition antenna{0.3, 1.2, Nmi(100)};
    const LlmPosition above{0.3, 1.2, Nmi(30000)};
    for (const auto& [from, to] : {std::pair{antenna, above}, std::pair{above, antenna}}) {
        const LineOfSightFigures figures = ComputeLineOfSight(from, to);
        EXPECT_EQ(figures.pathLength, 0);
        EXPECT_FALSE(figures.samePosition);
        EXPECT_EQ(figures.sight.clearance, antenna.altitude);
        EXPECT_EQ(figures.sight.at, 0);
        EXPECT_TRUE(figures.sight.clear);
        EXPECT_EQ(figures.radio.clearance, antenna.altitude);
    }
    const LineOfSightFigures buried =
        ComputeLineOfSight({0.3, 1.2, Nmi(-100)}, {0.3, 1.2, Nmi(500)});
    EXPECT_FALSE(buried.sight.clear);
}

// Uniform in [low, high) from the generator's raw 32 bits, the same on every machine.
double Uniform(std::mt19937& random, double low, double high) {
    return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
}

// The least height above the ellipsoid of the straight chord between two points (metres),
// by GeographicLib's exact conversions: a dense search, then golden sections around the best.
double ChordLeastHeight(const GeographicLib::Geocentric& earth, const double a[3],
                        const double b[3]) {
    const auto height = [&](double t) {
        double lat = 0;
        double lon = 0;
        double h = 0;
        earth.Reverse(a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2]),
                      lat, lon, h);
        return h;
    };
    constexpr int kSteps = 200;
    int best = 0;
    for (int i = 1; i <= kSteps; ++i) {
        best = height(double(i) / kSteps) < height(double(best) / kSteps) ? i : best;
    }
    double low = std::max(0, best - 1) / double(kSteps);
    double high = std::min(kSteps, best + 1) / double(kSteps);
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 80; ++i) {
        const double left = high - ratio * (high - low);
        const double right = low + ratio * (high - low);
        if (height(left) < height(right)) {
            high = right;
        } else {
            low = left;
        }
    }
    return std::min({height(0), height(1), height((low + high) / 2)});
}

TEST(LineOfSight, StraightLineClearanceMatchesTheExactChordWithinHalfAPercentOfItsBulge) {
    const GeographicLib::Geodesic& geodesic = GeographicLib::Geodesic::WGS84();
    const GeographicLib::Geocentric& earth = GeographicLib::Geocentric::WGS84();
    std::mt19937 random(26);
    for (int i = 0; i < 200; ++i) {
        const double lat1 = Uniform(random, -70, 70);
        const double lon1 = Uniform(random, -180, 180);
        const double length = Uniform(random, 1, 300);
        // Half the pairs low enough that the least height lies between the ends.
        const double top = i % 2 == 0 ? 2000 : 40000;
        const double h1 = Uniform(random, -200, top);
        const double h2 = Uniform(random, -200, top);
        double lat2 = 0;
        double lon2 = 0;
        geodesic.Direct(lat1, lon1, Uniform(random, 0, 360), length * kMetresPerNmi, lat2, lon2);
        lat2 = std::clamp(lat2, -70.0, 70.0);
        const LineOfSightFigures figures =
            ComputeLineOfSight({lat1 * kRadiansPerDegree, lon1 * kRadiansPerDegree, Nmi(h1)},
                               {lat2 * kRadiansPerDegree, lon2 * kRadiansPerDegree, Nmi(h2)});
        double a[3];
        double b[3];
        earth.Forward(lat1, lon1, h1 / FEET_PER_METRE, a[0], a[1], a[2]);
        earth.Forward(lat2, lon2, h2 / FEET_PER_METRE, b[0], b[1], b[2]);
        const double exactFt = ChordLeastHeight(earth, a, b) * FEET_PER_METRE;
        const double bulgeFt =
            Feet(figures.pathLength * figures.pathLength / (8 * figures.curvatureRadius));
        EXPECT_NEAR(Feet(figures.sight.clearance), exactFt, 0.005 * bulgeFt)
            << "pair " << i << ": " << lat1 << " " << lon1 << " " << h1 << " ft to " << lat2 << " "
            << lon2 << " " << h2 << " ft, " << figures.pathLength << " nmi";
    }
}

TEST(LineOfSight, PathLengthIsTheGeodesicInThePagesNauticalMiles) {
    // Along the equator a geodesic is the equator's arc: a quarter turn is a quarter of the
    // equator, 2 pi a / 4 in the page's nautical miles.
    const LineOfSightFigures quarter = ComputeLineOfSight({0, 0, 0}, {0, 1.5707963267948966, 0});
    EXPECT_NEAR(quarter.pathLength, EARTH_A_NMI * 1.5707963267948966, 1e-6);
    // Along the equator the earth curves with the equator's radius, a.
    EXPECT_NEAR(quarter.curvatureRadius, EARTH_A_NMI, 1e-6);
}

TEST(LineOfSight, FigureTextsInTheirOrderWithTheirUnits) {
    LineOfSightFigures figures;
    figures.pathLength = 125;
    figures.sight = ClearanceOverPath(Nmi(100), Nmi(10000), 125, kHandRadius);
    figures.radio = ClearanceOverPath(Nmi(100), Nmi(10000), 125, 4 * kHandRadius / 3);
    const DisplayList texts = LineOfSightFigureTexts(figures);
    const DisplayList expected{
        {"LabelLosPathLength", "125.00"},    {"LabelLosClearance", "-175.45"},
        {"LabelLosClearanceAt", "17.66"},    {"LabelLosVisible", "NO"},
        {"LabelLosRadioClearance", "95.12"}, {"LabelLosRadioClearanceAt", "2.71"},
        {"LabelLosRadioVisible", "YES"}};
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace quorvel

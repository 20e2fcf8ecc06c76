// The geodesy functions checked against GeographicLib, an independent implementation of the
// same ellipsoid, over seeded random positions within the limits of LimitLlm.
#include <gtest/gtest.h>
#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/LocalCartesian.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "common/geodesy/ecef_conversions.h"
#include "common/geodesy/local_frame.h"

namespace quorvel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegreesPerRadian = 180 / kPi;
constexpr int kPositions = 5000;
constexpr int kPairs = 5000;

const GeographicLib::Geocentric& Reference() {
    static const GeographicLib::Geocentric earth(EARTH_A_NMI,
                                                 (EARTH_A_NMI - EARTH_B_NMI) / EARTH_A_NMI);
    return earth;
}

// Uniform doubles in [low, high] from a generator whose sequence the standard fixes, so the
// positions are the same with every library.
class Positions {
public:
    explicit Positions(std::uint64_t seed) : m_rng(seed) {}

    double Uniform(double low, double high) {
        const double unit = static_cast<double>(m_rng() >> 11) * 0x1p-53;
        return low + (high - low) * unit;
    }

    LlmPosition Next() {
        LlmPosition p;
        p.latitude = Uniform(-LATITUDE_LIMIT, LATITUDE_LIMIT);
        p.longitude = Uniform(-LONGITUDE_LIMIT, LONGITUDE_LIMIT);
        // Half the positions near the ground, where the page's positions usually are.
        p.altitude = m_rng() % 2 == 0 ? Uniform(ALTITUDE_LOWEST, 20)
                                      : Uniform(ALTITUDE_LOWEST, ALTITUDE_HIGHEST);
        return p;
    }

private:
    std::mt19937_64 m_rng;
};

// The corners and edge midpoints of the limits, then seeded random positions.
std::vector<LlmPosition> TestPositions(std::uint64_t seed, int count) {
    std::vector<LlmPosition> positions;
    for (double lat : {-LATITUDE_LIMIT, 0.0, LATITUDE_LIMIT}) {
        for (double lon : {-LONGITUDE_LIMIT, -kPi / 2, 0.0, kPi / 2, LONGITUDE_LIMIT}) {
            for (double alt : {ALTITUDE_LOWEST, 0.0, ALTITUDE_HIGHEST}) {
                positions.push_back({lat, lon, alt});
            }
        }
    }
    Positions random(seed);
    while (static_cast<int>(positions.size()) < count) {
        positions.push_back(random.Next());
    }
    return positions;
}

// The difference of two angles (radians) taken around the circle.
double AngleDifference(double a, double b) {
    return std::fabs(std::remainder(a - b, 2 * kPi));
}

// The largest differences seen, printed at the end of a test for the record.
struct Largest {
    std::string name;
    double value = 0;
    void See(double difference) { value = std::max(value, difference); }
};

void Report(const std::vector<Largest>& largest) {
    std::cout << "[ largest  ]";
    for (const Largest& l : largest) {
        std::cout << ' ' << l.name << ' ' << l.value;
        ::testing::Test::RecordProperty(l.name, std::to_string(l.value));
    }
    std::cout << '\n';
}

TEST(GeographicLibReference, LlmToEcefAndBack) {
    Largest ecef{"ecef_nmi"};
    Largest latitude{"latitude_rad"};
    Largest longitude{"longitude_rad"};
    Largest altitude{"altitude_nmi"};
    for (const LlmPosition& start : TestPositions(15, kPositions)) {
        LlmPosition position = start;
        const EcefVector ours = LlmToEcef(position);
        double x = 0;
        double y = 0;
        double z = 0;
        Reference().Forward(start.latitude * kDegreesPerRadian, start.longitude * kDegreesPerRadian,
                            start.altitude, x, y, z);
        const double ecefDifference =
            std::max({std::fabs(ours.x - x), std::fabs(ours.y - y), std::fabs(ours.z - z)});
        ecef.See(ecefDifference);
        EXPECT_LE(ecefDifference, 1e-9)
            << start.latitude << " " << start.longitude << " " << start.altitude;

        LlmPosition back{};
        ASSERT_TRUE(EcefToLlm(ours, back)) << "no convergence at " << start.latitude << " "
                                           << start.longitude << " " << start.altitude;
        double lat = 0;
        double lon = 0;
        double h = 0;
        Reference().Reverse(ours.x, ours.y, ours.z, lat, lon, h);
        for (const double expected : {start.latitude, lat / kDegreesPerRadian}) {
            latitude.See(std::fabs(back.latitude - expected));
            EXPECT_LE(std::fabs(back.latitude - expected), 1e-12);
        }
        for (const double expected : {start.longitude, lon / kDegreesPerRadian}) {
            longitude.See(AngleDifference(back.longitude, expected));
            EXPECT_LE(AngleDifference(back.longitude, expected), 1e-12);
        }
        for (const double expected : {start.altitude, h}) {
            altitude.See(std::fabs(back.altitude - expected));
            EXPECT_LE(std::fabs(back.altitude - expected), 1e-9);
        }
    }
    Report({ecef, latitude, longitude, altitude});
}

TEST(GeographicLibReference, EnuAndRaeOfRandomPairs) {
    Largest enu{"enu_nmi"};
    Largest range{"range_nmi"};
    Largest azimuth{"azimuth_rad"};
    Largest elevation{"elevation_rad"};
    const std::vector<LlmPosition> references = TestPositions(1, kPairs);
    const std::vector<LlmPosition> points = TestPositions(2, kPairs);
    for (std::size_t i = 0; i < references.size(); ++i) {
        // Each reference against a point from elsewhere in the list, so that the fixed
        // corners are not only paired with themselves.
        const LlmPosition& point = points[(i * 7 + 3) % points.size()];
        LlmPosition reference = references[i];
        const EnuVector ours = LlmToEnu(point, reference);
        const RaeVector oursRae = EnuToRae(ours);

        const GeographicLib::LocalCartesian frame(reference.latitude * kDegreesPerRadian,
                                                  reference.longitude * kDegreesPerRadian,
                                                  reference.altitude, Reference());
        double east = 0;
        double north = 0;
        double up = 0;
        frame.Forward(point.latitude * kDegreesPerRadian, point.longitude * kDegreesPerRadian,
                      point.altitude, east, north, up);
        const double enuDifference = std::max(
            {std::fabs(ours.east - east), std::fabs(ours.north - north), std::fabs(ours.up - up)});
        enu.See(enuDifference);
        EXPECT_LE(enuDifference, 1e-9) << i;

        const double ground = std::hypot(east, north);
        if (ground == 0) {
            continue;  // the same position: no azimuth to compare
        }
        const double rangeDifference = std::fabs(oursRae.range - std::hypot(ground, up));
        const double azimuthDifference = AngleDifference(oursRae.azimuth, std::atan2(east, north));
        const double elevationDifference = std::fabs(oursRae.elevation - std::atan2(up, ground));
        range.See(rangeDifference);
        azimuth.See(azimuthDifference);
        elevation.See(elevationDifference);
        EXPECT_LE(rangeDifference, 1e-9) << i;
        EXPECT_LE(azimuthDifference, 1e-12) << i;
        EXPECT_LE(elevationDifference, 1e-12) << i;
    }
    Report({enu, range, azimuth, elevation});
}

}  // namespace
}  // namespace quorvel

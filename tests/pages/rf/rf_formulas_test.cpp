#include "pages/rf/rf_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Relative tolerance for the six-digit values engineers quote.
void ExpectClose(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * 5e-6 + 1e-12) << "expected " << expected;
}

struct RatioCase {
    double ratio;
    double dbPower;
    double dbVoltage;
};

class RatioToDbTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioToDbTest, GivesPowerAndVoltageDecibels) {
    const RatioCase& c = GetParam();
    double power = -1;
    double voltage = -1;
    RatioToDb(c.ratio, power, voltage);
    ExpectClose(power, c.dbPower);
    ExpectClose(voltage, c.dbVoltage);
}

INSTANTIATE_TEST_SUITE_P(Ratios, RatioToDbTest,
                         ::testing::Values(RatioCase{2, 3.0103, 6.0206}, RatioCase{1, 0, 0},
                                           RatioCase{10000, 40, 80}, RatioCase{0.1, -10, -20},
                                           // the failed logarithm carried on, scaled
                                           RatioCase{0, 9.9999999999e27, 1.99999999998e28},
                                           RatioCase{-3, 9.9999999999e27, 1.99999999998e28}));

TEST(DecibelsToRatio, ThreeDbPowerAndSixDbVoltageAreTheSameRatio) {
    ExpectClose(DbToPowerRatio(3), 1.99526);
    ExpectClose(DbToVoltageRatio(6), 1.99526);
    ExpectClose(DbToPowerRatio(0.00001), 1.0000023);
}

TEST(DecibelsToRatio, TakesTheTenthAtExtendedPrecision) {
    // 3 x 0.1 in double is 0.30000000000000004; at extended precision the exponent is 0.3,
    // and the two powers differ in the last place.
    EXPECT_EQ(DbToPowerRatio(3), SafePow(10, 0.3));
    EXPECT_NE(DbToPowerRatio(3), SafePow(10, 3 * 0.1));
    EXPECT_EQ(DbwToWatts(3), SafePow(10, 0.3));
    EXPECT_EQ(DbmToWatts(33), SafePow(10, 0.3));
}

TEST(Wavelength, GivesMillimetresAndInches) {
    double inches = 0;
    ExpectClose(WavelengthFromGhz(2.25, inches), 133.333);
    ExpectClose(inches, 5.24444);
}

TEST(Wavelength, NonPositiveFrequencyLeavesInchesUnwritten) {
    for (double freq : {0.0, -1.0, kNaN}) {
        double inches = 42;
        EXPECT_EQ(WavelengthFromGhz(freq, inches), 0) << freq;
        EXPECT_EQ(inches, 42) << freq;
    }
}

TEST(DishGain, SixFootDishAtS_Band) {
    double beamwidth = 0;
    ExpectClose(DishGainAndBeamwidth(6, 2250, beamwidth), 30.0067);
    ExpectClose(beamwidth, 5.18519);
}

TEST(DishGain, NonPositiveSizeOrFrequencyGivesZeroGainAndBeamwidth) {
    const double cases[][2] = {{0, 2250}, {6, 0}, {-6, 2250}, {6, -2250}, {kNaN, 2250}};
    for (const auto& c : cases) {
        double beamwidth = 99;
        EXPECT_EQ(DishGainAndBeamwidth(c[0], c[1], beamwidth), 0) << c[0] << " " << c[1];
        EXPECT_EQ(beamwidth, 0) << c[0] << " " << c[1];
    }
}

TEST(PowerUnits, ConvertBetweenWattsDbmAndDbw) {
    ExpectClose(DbmToWatts(0), 0.001);
    EXPECT_EQ(DbmToWatts(30), 1);
    EXPECT_EQ(DbwToWatts(0), 1);
    ExpectClose(WattsToDbw(2), 3.0103);
    ExpectClose(WattsToDbm(2), 33.0103);
    ExpectClose(WattsToDbm(0.00001), -20);
    ExpectClose(WattsToDbw(0.00001), -50);
}

TEST(PowerUnits, ZeroWattsCarryTheFailedLogarithm) {
    EXPECT_DOUBLE_EQ(WattsToDbw(0), 9.9999999999e27);
    // The added 30 dB is lost in the magnitude.
    EXPECT_EQ(WattsToDbm(0), WattsToDbw(0));
    EXPECT_DOUBLE_EQ(WattsToDbm(-1), 9.9999999999e27);
}

struct VswrCase {
    double vswr;
    double refCoef;
    double returnLoss;
    double mismatchLoss;
};

class VswrFamilyTest : public ::testing::TestWithParam<VswrCase> {};

TEST_P(VswrFamilyTest, DerivesCoefficientAndLosses) {
    const VswrCase& c = GetParam();
    ExpectClose(VswrToRefCoef(c.vswr), c.refCoef);
    ExpectClose(VswrToReturnLoss(c.vswr), c.returnLoss);
    ExpectClose(VswrToMismatchLoss(c.vswr), c.mismatchLoss);
}

INSTANTIATE_TEST_SUITE_P(
    Vswrs, VswrFamilyTest,
    ::testing::Values(VswrCase{2, 0.333333, 9.54243, 0.511525},
                      // a perfect match: the return loss is the failed logarithm, not infinity
                      VswrCase{1, 0, -1.99999999998e28, 0},
                      VswrCase{0, -1, -1.99999999998e28, -9.9999999999e27},
                      // VSWR + 1 = 0 is tested for: all three give 0
                      VswrCase{-1, 0, 0, 0}));

TEST(VswrFamily, ReflectionCoefficientToVswr) {
    EXPECT_EQ(RefCoefToVswr(1), 0);
    ExpectClose(RefCoefToVswr(1.0 / 3.0), 2);
    EXPECT_EQ(RefCoefToVswr(0), 1);
}

TEST(VswrFamily, RefCoefAndVswrInvertEachOther) {
    for (double vswr = 1.05; vswr < 10; vswr += 0.25) {
        EXPECT_NEAR(RefCoefToVswr(VswrToRefCoef(vswr)), vswr, vswr * 1e-14);
    }
}

TEST(Resonance, TenNanohenriesAndOnePicofarad) {
    ExpectClose(ResonantFreqGhz(10, 1), 1.59155);
    ExpectClose(InductanceNh(1, 1.59155), 10);
    ExpectClose(CapacitancePf(10, 1.59155), 1);
    ExpectClose(InductanceNh(1, 1), 25.33030);
}

TEST(Resonance, SolvingForEitherPartGivesItBack) {
    const double f = ResonantFreqGhz(47, 3.3);
    EXPECT_NEAR(InductanceNh(3.3, f), 47, 47 * 1e-14);
    EXPECT_NEAR(CapacitancePf(47, f), 3.3, 3.3 * 1e-14);
}

TEST(Resonance, ZeroInputsGiveZero) {
    EXPECT_EQ(ResonantFreqGhz(0, 1), 0);
    EXPECT_EQ(ResonantFreqGhz(10, 0), 0);
    EXPECT_EQ(InductanceNh(0, 1), 0);
    EXPECT_EQ(InductanceNh(1, 0), 0);
    EXPECT_EQ(CapacitancePf(0, 1), 0);
    EXPECT_EQ(CapacitancePf(1, 0), 0);
}

TEST(Resonance, NegativeOrUndefinedProductHasNoResonance) {
    EXPECT_EQ(ResonantFreqGhz(-10, 1), 0);
    EXPECT_EQ(ResonantFreqGhz(10, -1), 0);
    EXPECT_EQ(ResonantFreqGhz(kNaN, 1), 0);
    // Both negative: the product is positive and resonates as the positive pair does.
    EXPECT_EQ(ResonantFreqGhz(-10, -1), ResonantFreqGhz(10, 1));
}

TEST(RfHorizon, GrowsWithTheSquareRootOfAltitude) {
    ExpectClose(RfHorizonNmi(10000), 155.61);
    ExpectClose(RfHorizonNmi(100), 15.561);
}

TEST(RfHorizon, GroundLevelAndBelowGiveZero) {
    EXPECT_EQ(RfHorizonNmi(0), 0);
    EXPECT_EQ(RfHorizonNmi(-200), 0);
    EXPECT_EQ(RfHorizonNmi(kNaN), 0);
}

struct FilterCase {
    std::int32_t bitRate;
    bool nonNrzl;
    double ifKhz;
    double videoKhz;
};

class FilterBandwidthsTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterBandwidthsTest, ScaleWithBitRateAndCode) {
    const FilterCase& c = GetParam();
    double ifKhz = -1;
    double videoKhz = -1;
    FilterBandwidthsKhz(c.bitRate, c.nonNrzl, ifKhz, videoKhz);
    EXPECT_EQ(ifKhz, c.ifKhz);
    EXPECT_EQ(videoKhz, c.videoKhz);
}

INSTANTIATE_TEST_SUITE_P(BitRates, FilterBandwidthsTest,
                         ::testing::Values(FilterCase{1000000, false, 1200, 700},
                                           FilterCase{1000000, true, 2400, 1400},
                                           FilterCase{0, true, 0, 0},
                                           FilterCase{20000000, true, 48000, 28000},
                                           FilterCase{10, false, 0.012, 0.007}));

TEST(FilterBandwidths, TakeTheKilohertzFactorAtExtendedPrecision) {
    // 1375 x 1.2 x 0.001 is 1.65; with a double 0.001 the result lands one step above the
    // double nearest 1.65, which a one-decimal label then shows as 1.7 instead of 1.6.
    double ifKhz = 0;
    double videoKhz = 0;
    FilterBandwidthsKhz(1375, false, ifKhz, videoKhz);
    EXPECT_EQ(ifKhz, 1.65);
    FilterBandwidthsKhz(2125, false, ifKhz, videoKhz);
    EXPECT_EQ(ifKhz, 2.55);
}

}  // namespace
}  // namespace quorvel

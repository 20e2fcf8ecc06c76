#include "pages/misc/misc_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

// The same product with the factor at the other precision than the page takes it.
double WithDouble(double x, double factor) {
    return x * factor;
}
double WithExtended(double x, long double factor) {
    return static_cast<double>(static_cast<long double>(x) * factor);
}

std::string Shown(double value) {
    return FormatNumber(8, 3, value);
}
// The starting text of an entry prompt with three decimals.
std::string Prompted(double value) {
    return FormatNumber(16, 3, value);
}
// The text a value is stored with.
std::string Stored(double value) {
    return FixedText(value, 9, 9);
}

// One input for each factor whose precision can change a text the page shows, prompts with or
// stores, chosen where the other precision gives another text. The seconds per hour (3600,
// single) is exact in every precision and the double factors are doubles by nature, so they
// have no such case.
struct PrecisionCase {
    const char* name;
    double (*convert)(double);
    double (*otherPrecision)(double);
    std::string (*text)(double);
    double input;
    const char* expected;
};

class FactorPrecision : public ::testing::TestWithParam<PrecisionCase> {};

TEST_P(FactorPrecision, GivesTheTextOfItsOwnPrecision) {
    const PrecisionCase& c = GetParam();
    EXPECT_EQ(c.text(c.convert(c.input)), c.expected);
    // The case tells the precisions apart.
    EXPECT_NE(c.text(c.otherPrecision(c.input)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MiscConversions, FactorPrecision,
    ::testing::Values(
        // 1.1507794486742424 in double for a distance and in extended for a speed: the same
        // number shows 1.001 statute miles but 1.000 statute miles per hour.
        PrecisionCase{"StatuteMilesOfADistanceInDouble", &NmiToStatuteMiles,
                      [](double x) { return WithExtended(x, 1.1507794486742424L); }, &Shown,
                      0.86941072952999632, "1.001"},
        PrecisionCase{"StatuteMphOfASpeedInExtended", &KnotsToStatuteMph,
                      [](double x) { return WithDouble(x, 1.1507794486742424); }, &Shown,
                      0.86941072952999632, "1.000"},
        PrecisionCase{"KilometresPerMetreInExtended", &NmiToKilometers,
                      [](double x) { return WithDouble(x * 1852.022521641063, 0.001); }, &Shown,
                      0.57423707734268847, "1.063"},
        PrecisionCase{"HoursPerSecondInExtended", &KnotsToFeetPerSecond,
                      [](double x) { return WithDouble(x * 6076.115489, 0.0002777777777777778); },
                      &Shown, 0.59396501046328287, "1.003"},
        PrecisionCase{"StatuteMilesPerFootInExtended", &NmiToStatuteMilesEntry,
                      [](double x) { return WithDouble(x * 6076.115489, 0.0001893939393939394); },
                      &Prompted, 4294909474.0, "4942493556.596"},
        PrecisionCase{"NmiPerFootOfAFeetEntryInExtended", &FeetToNmi,
                      [](double x) { return WithDouble(x, 0.00016457883360024463); }, &Stored,
                      4294967285.0, "706860.706116510"},
        PrecisionCase{"NmiPerFootOfAFeetPerSecondEntryInExtended", &FeetPerSecondToKnots,
                      [](double x) { return WithDouble(x * 3600, 0.00016457883360024463); },
                      &Stored, 4294967284.0, "2544698541.426950455"},
        PrecisionCase{"GPerFootPerSecondSquaredInExtended", &AccelZToG,
                      [](double x) { return WithDouble(-x, 0.03108148976066942); }, &Stored,
                      9551.015, "-296.859774926"}),
    [](const ::testing::TestParamInfo<PrecisionCase>& info) { return info.param.name; });

TEST(MiscConversions, OneNauticalMileInEveryUnit) {
    EXPECT_EQ(Shown(NmiToStatuteMiles(1)), "1.151");
    EXPECT_EQ(Shown(NmiToFeet(1)), "6076.115");
    // 6076.115489 / 3.2808 metres, not the exact 1852.
    EXPECT_EQ(Shown(NmiToMeters(1)), "1852.023");
    EXPECT_EQ(Shown(NmiToKilometers(1)), "1.852");
}

TEST(MiscConversions, EntriesInOtherUnitsComeBackToTheCanonicalOne) {
    EXPECT_EQ(StatuteMilesToNmi(1), 0.8689762414092916);
    EXPECT_EQ(Shown(NmiToStatuteMiles(StatuteMilesToNmi(1))), "1.000");
    EXPECT_EQ(FeetToNmi(6076.115489), 1.0);
    EXPECT_EQ(AccelZToG(32.17349), -1.0);
    EXPECT_EQ(Shown(FeetPerSecondToKnots(KnotsToFeetPerSecond(100))), "100.000");
}

TEST(MiscConversions, SpeedAndAcceleration) {
    EXPECT_EQ(Shown(KnotsToStatuteMph(100)), "115.078");
    EXPECT_EQ(Shown(KnotsToFeetPerSecond(100)), "168.781");
    EXPECT_EQ(Shown(GToAccelZ(1)), "-32.173");
    EXPECT_EQ(Shown(GToAccelZ(-1)), "32.173");
    // 0 G is a negative zero of Z acceleration, shown without its sign.
    EXPECT_TRUE(std::signbit(GToAccelZ(0)));
    EXPECT_EQ(Shown(GToAccelZ(0)), "0.000");
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "common/number_text.h"

namespace quorvel {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943301658;

TEST(ReduceToOneTurn, RemovesWholeTurns) {
    EXPECT_EQ(ReduceToOneTurn(0.0), 0.0);
    EXPECT_EQ(ReduceToOneTurn(365.0), 5.0);
    EXPECT_EQ(ReduceToOneTurn(720.0), 0.0);
    EXPECT_EQ(ReduceToOneTurn(359.5), 359.5);
    EXPECT_EQ(ReduceToOneTurn(-90.0), 270.0);
    EXPECT_EQ(ReduceToOneTurn(572957.0), std::fmod(572957.0, 360.0));
}

TEST(ReduceToOneTurn, TakesHugeAndNonFiniteAnglesAsZero) {
    EXPECT_EQ(ReduceToOneTurn(572958.0), 0.0);
    EXPECT_EQ(ReduceToOneTurn(-1e9), 0.0);
    EXPECT_EQ(ReduceToOneTurn(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(ReduceToOneTurn(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(SplitDms, SignGoesOnTheDegrees) {
    int d = 0;
    int m = 0;
    double s = 0.0;
    SplitDms(-12.5125 * kRadiansPerDegree, d, m, s);
    EXPECT_EQ(d, -12);
    EXPECT_EQ(m, 30);
    EXPECT_NEAR(s, 45.0, 1e-9);

    SplitDms(-0.5 * kRadiansPerDegree, d, m, s);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(m, 30);
    EXPECT_NEAR(s, 0.0, 1e-9);
}

struct DmsCase {
    double degrees;
    const char* dms;
    const char* latLong;
};

std::ostream& operator<<(std::ostream& out, const DmsCase& c) {
    return out << "angle " << c.degrees;
}

class DmsTextTable : public ::testing::TestWithParam<DmsCase> {};

TEST_P(DmsTextTable, GivesTheText) {
    const DmsCase& c = GetParam();
    EXPECT_EQ(DmsText(c.degrees), c.dms);
    EXPECT_EQ(LatLongText(c.degrees), c.latLong);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DmsTextTable,
    ::testing::Values(
        DmsCase{0.0, "000 00 00.000", "000 00 00.000"},
        DmsCase{-5.5, "-005 30 00.000", "-005 30 00.000"},
        DmsCase{12.5125, "012 30 45.000", "012 30 45.000"},
        DmsCase{365.0, "005 00 00.000", "005 00 00.000"},
        DmsCase{700.0, "340 00 00.000", "340 00 00.000"},
        DmsCase{-123.456789, "-123 27 24.440", "-123 27 24.440"},
        DmsCase{179.0, "179 00 00.000", "179 00 00.000"},
        DmsCase{-360.0, "000 00 00.000", "000 00 00.000"},
        // Seconds that round up to 60 show 59.999.
        DmsCase{10.0 + 59.0 / 60 + 59.9996 / 3600, "010 59 59.999", "010 59 59.999"},
        // An angle between -1 and 0 degrees keeps its sign in the text.
        DmsCase{-0.5, "-000 30 00.000", "-000 30 00.000"},
        DmsCase{-0.9999999, "-000 59 59.999", "-000 59 59.999"},
        DmsCase{-1e-12, "000 00 00.000", "000 00 00.000"},
        // Beyond 10000 radians, and when not finite, the angle is 0.
        DmsCase{1e7, "000 00 00.000", "000 00 00.000"},
        DmsCase{std::numeric_limits<double>::quiet_NaN(), "000 00 00.000", "000 00 00.000"},
        DmsCase{-std::numeric_limits<double>::infinity(), "000 00 00.000", "000 00 00.000"}));

TEST(DmsText, ReturnsTheParts) {
    int d = 0;
    int m = 0;
    double s = 0.0;
    EXPECT_EQ(DmsText(-123.456789, d, m, s), "-123 27 24.440");
    EXPECT_EQ(d, -123);
    EXPECT_EQ(m, 27);
    EXPECT_NEAR(s, 24.4404, 1e-6);
}

struct ParseDmsCase {
    const char* text;
    bool latitude;
    bool ok;
    double degrees;
};

std::ostream& operator<<(std::ostream& out, const ParseDmsCase& c) {
    return out << "ParseDms(\"" << c.text << "\", " << c.latitude << ")";
}

class ParseDmsTable : public ::testing::TestWithParam<ParseDmsCase> {};

constexpr double kUnchanged = 1234.5;

TEST_P(ParseDmsTable, ReadsTheAngle) {
    const ParseDmsCase& c = GetParam();
    double degrees = kUnchanged;
    EXPECT_EQ(ParseDms(c.text, c.latitude, degrees), c.ok);
    EXPECT_DOUBLE_EQ(degrees, c.ok ? c.degrees : kUnchanged);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParseDmsTable,
    ::testing::Values(ParseDmsCase{"-12 30 45.5", false, true, -(12 + 30 / 60.0 + 45.5 / 3600)},
                      ParseDmsCase{"95 0 0", true, true, 70.0},
                      ParseDmsCase{"-95 0 0", true, true, -70.0},
                      ParseDmsCase{"200 0 0", false, true, 179.0},
                      ParseDmsCase{"45 61 0", false, true, 45 + 59 / 60.0},
                      ParseDmsCase{"45 -5 0", false, true, 45.0},
                      ParseDmsCase{"45 30 00", false, true, 45.5},
                      ParseDmsCase{"000 00 00.000", false, true, 0.0},
                      ParseDmsCase{"   10   20   30", false, true, 10 + 20 / 60.0 + 30 / 3600.0},
                      ParseDmsCase{"1 2 75", false, true, 1 + 2 / 60.0 + 59.99999999 / 3600},
                      ParseDmsCase{"1 2 -3", false, true, 1 + 2 / 60.0},
                      ParseDmsCase{"1 2 3e1", false, true, 1 + 2 / 60.0 + 30 / 3600.0},
                      ParseDmsCase{"1 2 inf", false, true, 1 + 2 / 60.0 + 59.99999999 / 3600},
                      // "-0" degrees keep the sign of the text.
                      ParseDmsCase{"-0 30 0", false, true, -0.5},
                      ParseDmsCase{"-000 59 59.999", true, true, -(59 / 60.0 + 59.999 / 3600)}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseDmsTable,
    ::testing::Values(
        ParseDmsCase{"", false, false, 0}, ParseDmsCase{"   ", false, false, 0},
        ParseDmsCase{"45", false, false, 0}, ParseDmsCase{"45 ", false, false, 0},
        ParseDmsCase{"45 30", false, false, 0}, ParseDmsCase{"45 30 ", false, false, 0},
        ParseDmsCase{"x 30 0", false, false, 0}, ParseDmsCase{"45.5 30 0", false, false, 0},
        ParseDmsCase{"45 3.5 0", false, false, 0}, ParseDmsCase{"45 30 1,5", false, false, 0},
        ParseDmsCase{"45 30 0 extra", false, false, 0}, ParseDmsCase{"45 30 nan", false, false, 0},
        ParseDmsCase{"45 30 1e999", false, false, 0}, ParseDmsCase{"- 30 0", false, false, 0}));

// A text written by DmsText reads back to the angle it came from, to the thousandth second.
TEST(ParseDms, ReadsBackDmsText) {
    for (double degrees = -178.75; degrees < 179.0; degrees += 7.123456) {
        double parsed = 0.0;
        ASSERT_TRUE(ParseDms(DmsText(degrees), false, parsed)) << degrees;
        EXPECT_NEAR(parsed, degrees, 0.0006 / 3600) << DmsText(degrees);
    }
    for (const double small : {-0.75, -0.01, 0.01, 0.75}) {
        double parsed = 0.0;
        ASSERT_TRUE(ParseDms(LatLongText(small), true, parsed)) << small;
        EXPECT_NEAR(parsed, small, 0.0006 / 3600) << LatLongText(small);
    }
}

}  // namespace
}  // namespace quorvel

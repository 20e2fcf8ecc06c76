#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "common/number_text.h"
#include "common/safe_math.h"

namespace quorvel {
namespace {

struct FormatCase {
    int precision;
    int decimals;
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << "FormatNumber(" << c.precision << ", " << c.decimals << ", " << c.value
               << ") = \"" << c.text << '"';
}

class FormatNumberTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTable, GivesTheText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.precision, c.decimals, c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    FixedForm, FormatNumberTable,
    ::testing::Values(FormatCase{8, 2, 123.456, "123.46"}, FormatCase{8, 2, 0.0, "0.00"},
                      FormatCase{12, 0, 0.0, "0"}, FormatCase{8, 2, 30.0, "30.00"},
                      FormatCase{8, 3, 0.0625, "0.063"}, FormatCase{8, 2, 0.001, "0.00"},
                      FormatCase{8, 4, 0.001, "0.0010"}, FormatCase{10, 6, 1e-7, "0.000000"},
                      FormatCase{10, 6, 6e-7, "0.000001"}, FormatCase{8, 0, 0.5, "1"},
                      FormatCase{8, 0, 0.4999, "0"}, FormatCase{8, 0, 12.5, "13"},
                      FormatCase{8, 2, 1.0 / 3.0, "0.33"}, FormatCase{8, 5, 2.0 / 3.0, "0.66667"},
                      // Decimals beyond the 18 significant digits are written as zeros.
                      FormatCase{20, 18, 123.456, "123.4560000000000030"},
                      // The precision limits the digits kept before the decimals do.
                      FormatCase{12, 6, 1234567.891234, "1234567.8912"},
                      FormatCase{8, 6, 1234567.891234, "1234567."},
                      // Negative decimals round to tens, hundreds, ...
                      FormatCase{8, -2, 12345.0, "12300"}, FormatCase{8, -2, 12355.0, "12400"},
                      FormatCase{8, -6, 12345.0, "0"}));

// Rounding goes half away from zero on the 18-digit expansion, not on the binary value.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatNumberTable,
    ::testing::Values(FormatCase{8, 2, 0.125, "0.13"}, FormatCase{8, 2, -0.125, "-0.13"},
                      FormatCase{8, 2, 2.675, "2.67"}, FormatCase{8, 2, 1.005, "1.00"},
                      FormatCase{8, 1, 0.25, "0.3"}, FormatCase{8, 1, 0.35, "0.3"},
                      FormatCase{8, 0, 2.5, "3"}, FormatCase{8, 0, -2.5, "-3"},
                      // 0.15 is 0.1499999999999999944..., whose 18-digit expansion ends in
                      // ...994 and so rounds down.
                      FormatCase{8, 1, 0.15, "0.1"},
                      // 1 + 2^-52 = 1.000000000000000222044...: 18 significant digits, the
                      // rest of the 18 decimals filled with zeros.
                      FormatCase{20, 18, 1.0 + 0x1p-52, "1.000000000000000220"},
                      // Rounding reaches the next unit.
                      FormatCase{2, 0, 59.6, "60"}, FormatCase{3, 0, 359.7, "360"},
                      FormatCase{6, 3, 59.9996, "60.000"}, FormatCase{8, 2, 9.999, "10.00"},
                      FormatCase{8, 2, 0.995, "0.99"}, FormatCase{8, 2, 0.9951, "1.00"},
                      FormatCase{8, 2, 999.995, "1000.00"}));

// "-" is written only for a result that is not zero.
INSTANTIATE_TEST_SUITE_P(
    Sign, FormatNumberTable,
    ::testing::Values(FormatCase{8, 2, -0.001, "0.00"}, FormatCase{8, 2, -0.005, "-0.01"},
                      FormatCase{8, 2, -0.0, "0.00"}, FormatCase{8, 0, -0.4, "0"},
                      FormatCase{8, 2, -1e-300, "0.00"}, FormatCase{8, 2, -12.5, "-12.50"}));

// A text longer than the precision loses its last characters.
INSTANTIATE_TEST_SUITE_P(Cut, FormatNumberTable,
                         ::testing::Values(FormatCase{8, 2, 123456.789, "123456.7"},
                                           FormatCase{8, 2, -123456.789, "-123456."},
                                           FormatCase{8, 2, -1234567.0, "-1234567"},
                                           FormatCase{8, 2, 12345678.0, "12345678"},
                                           FormatCase{18, 18, 0.1, "0.1000000000000000"},
                                           FormatCase{30, 25, 1e-10, "0.000000000100000000"},
                                           FormatCase{2, 2, 0.5, "0."}, FormatCase{0, 2, 0.5, ""},
                                           FormatCase{-3, 2, 0.5, ""}));

// The scientific form when the integer part needs more digits than the precision.
INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatNumberTable,
    ::testing::Values(
        FormatCase{8, 2, 1e8, "1E8"}, FormatCase{4, 0, 10000.0, "1E4"},
        FormatCase{4, 0, 9999.0, "9999"}, FormatCase{4, 0, 9999.5, "1E4"},
        FormatCase{16, 2, 1e20, "1E20"}, FormatCase{8, 2, -1e8, "-1E8"},
        FormatCase{12, 2, 1.5e12, "1.5E12"}, FormatCase{12, 2, 123456789012345.0, "1.2345679E14"},
        FormatCase{8, 2, MATH_ERROR_VALUE, "1E27"}, FormatCase{8, 2, -MATH_ERROR_VALUE, "-1E27"},
        FormatCase{20, 2, MATH_ERROR_VALUE, "9.9999999999E26"},
        FormatCase{24, 0, 1e300, "1.00000000000000005E300"}, FormatCase{8, 0, 1e300, "1E300"},
        FormatCase{24, 0, std::numeric_limits<double>::max(), "1.79769313486231571E308"},
        // A precision above 18 keeps at most 18 digits.
        FormatCase{30, 0, 1e19, "1E19"},
        FormatCase{30, 0, 123456789012345678901.0, "1.23456789012345684E20"}));

// Where the cut would drop the exponent or integer digits, the scientific form takes fewer
// digits so that the text keeps its magnitude within the precision.
INSTANTIATE_TEST_SUITE_P(
    FittedToPrecision, FormatNumberTable,
    ::testing::Values(FormatCase{8, 2, 123456789.0, "1.2346E8"},
                      FormatCase{8, 2, -123456789.0, "-1.235E8"},
                      FormatCase{8, 2, 199999999.0, "2E8"},
                      FormatCase{8, 2, -12345678.0, "-1.235E7"},
                      FormatCase{8, 2, -99999999.0, "-1E8"}, FormatCase{6, 0, 1.25e123, "1E123"},
                      FormatCase{8, 0, 1.25e123, "1.25E123"}, FormatCase{7, 0, 1.26e123, "1.3E123"},
                      FormatCase{12, 2, 9.9999999999e99, "1E100"},
                      // Not even one digit fits: the text is cut.
                      FormatCase{4, 0, -1e100, "-1E1"}, FormatCase{1, 0, 59.6, "6"}));

INSTANTIATE_TEST_SUITE_P(
    NotFinite, FormatNumberTable,
    ::testing::Values(FormatCase{8, 2, std::numeric_limits<double>::infinity(), "INF"},
                      FormatCase{8, 2, -std::numeric_limits<double>::infinity(), "-INF"},
                      FormatCase{8, 2, std::numeric_limits<double>::quiet_NaN(), "NAN"},
                      FormatCase{8, 2, -std::numeric_limits<double>::quiet_NaN(), "NAN"},
                      FormatCase{2, 2, std::numeric_limits<double>::quiet_NaN(), "NA"}));

TEST(FormatNumber, SmallestAndLargestDecimalsDoNotOverflow) {
    EXPECT_EQ(FormatNumber(8, std::numeric_limits<int>::max(), 1.5), "1.500000");
    EXPECT_EQ(FormatNumber(8, std::numeric_limits<int>::min(), 1.5), "0");
    EXPECT_EQ(FormatNumber(std::numeric_limits<int>::max(), 0, 1e300), "1.00000000000000005E300");
    EXPECT_EQ(FormatNumber(8, 400, std::numeric_limits<double>::denorm_min()), "0.000000");
}

TEST(FormatNumber, NeverLongerThanThePrecision) {
    const double values[] = {0.0, 1e-300, 0.5, -7.25, 1234.5678, -99999.999, 1e17, -1e308};
    for (int precision = 0; precision <= 24; ++precision) {
        for (int decimals = -3; decimals <= 20; ++decimals) {
            for (const double value : values) {
                EXPECT_LE(FormatNumber(precision, decimals, value).size(),
                          static_cast<std::size_t>(precision))
                    << precision << ' ' << decimals << ' ' << value;
            }
        }
    }
}

struct FixedCase {
    double value;
    int width;
    int decimals;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FixedCase& c) {
    return out << "FixedText(" << c.value << ", " << c.width << ", " << c.decimals << ")";
}

class FixedTextTable : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextTable, GivesTheCText) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.width, c.decimals), c.text);
}

// C rounding: the exact binary value, ties to even; the width never shows.
INSTANTIATE_TEST_SUITE_P(
    Cases, FixedTextTable,
    ::testing::Values(FixedCase{0.001, 10, 9, "0.001000000"}, FixedCase{603.0, 10, 0, "603"},
                      FixedCase{6.0, 10, 0, "6"}, FixedCase{-2.5, 20, 0, "-2"},
                      FixedCase{0.125, 5, 2, "0.12"}, FixedCase{0.375, 5, 2, "0.38"},
                      FixedCase{2.675, 5, 2, "2.67"}, FixedCase{45.0005, 12, 3, "45.001"},
                      FixedCase{1e20, 4, 2, "100000000000000000000.00"},
                      FixedCase{-0.0001, 10, 2, "-0.00"}, FixedCase{1.5, 10, -1, "1.500000"},
                      FixedCase{std::numeric_limits<double>::infinity(), 10, 2, "inf"},
                      FixedCase{-std::numeric_limits<double>::infinity(), 10, 2, "-inf"},
                      FixedCase{std::numeric_limits<double>::quiet_NaN(), 10, 2, "nan"}));

TEST(FixedText, WritesAllDigitsOfTheLargestValue) {
    const std::string text = FixedText(-std::numeric_limits<double>::max(), 0, 9);
    EXPECT_EQ(text.size(), 1u + 309u + 1u + 9u);
    EXPECT_EQ(text.substr(0, 8), "-1797693");
    EXPECT_EQ(text.substr(text.size() - 10), ".000000000");
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

struct RealCase {
    const char* text;
    bool whole;
    double value;
};

std::ostream& operator<<(std::ostream& out, const RealCase& c) {
    return out << "ParseReal(\"" << c.text << "\")";
}

class ParseRealTable : public ::testing::TestWithParam<RealCase> {};

TEST_P(ParseRealTable, StoresTheLeadingNumber) {
    const RealCase& c = GetParam();
    double value = -42.0;
    EXPECT_EQ(ParseReal(c.text, value), c.whole);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseRealTable,
    ::testing::Values(
        RealCase{"", true, 0.0}, RealCase{"1.5", true, 1.5}, RealCase{" 1.5", true, 1.5},
        RealCase{"\t\n 1.5", true, 1.5}, RealCase{"1.5 ", false, 1.5}, RealCase{"1,5", false, 1.0},
        RealCase{"abc", false, 0.0}, RealCase{" ", false, 0.0}, RealCase{"+2", true, 2.0},
        RealCase{"-.5", true, -0.5}, RealCase{"1e3", true, 1000.0}, RealCase{"1E-2", true, 0.01},
        RealCase{"1e", false, 1.0}, RealCase{"0x1p4", true, 16.0}, RealCase{"0x", false, 0.0},
        RealCase{"-inf", true, -INFINITY}, RealCase{"Infinity", true, INFINITY},
        RealCase{"12abc", false, 12.0}, RealCase{"9.9999999999e26", true, 9.9999999999e26},
        // Too large for a double: a failed conversion, not an infinity.
        RealCase{"1e400", false, 0.0}, RealCase{"-1e400", false, 0.0},
        // Too small: strtod's zero or subnormal is kept.
        RealCase{"1e-400", true, 0.0}, RealCase{"4.9e-324", true, 4.9e-324}));

TEST(ParseReal, ReadsNotANumber) {
    double value = 0.0;
    EXPECT_TRUE(ParseReal("nan", value));
    EXPECT_TRUE(std::isnan(value));
}

TEST(ParseReal, RefusesTextAfterAnEmbeddedNul) {
    double value = 0.0;
    EXPECT_FALSE(ParseReal(std::string("2\0"
                                       "5",
                                       3),
                           value));
    EXPECT_EQ(value, 2.0);
}

// A value written with 9 decimals, as the settings file stores it, reads back to within half a
// unit of its last decimal.
TEST(ParseReal, ReadsBackSettingsTexts) {
    const double values[] = {
        0.1, 123.456, 6076.115489, 9.9999999999e26, 1e-9, 2.2250738585072014e-308};
    for (const double original : values) {
        double parsed = 0.0;
        ASSERT_TRUE(ParseReal(FixedText(original, 0, 9), parsed));
        EXPECT_NEAR(parsed, original, 5e-10 + std::abs(original) * 1e-15);
    }
}

struct IntCase {
    const char* text;
    int radix;
    bool whole;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const IntCase& c) {
    return out << "\"" << c.text << "\" radix " << c.radix;
}

class ParseIntTable : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTable, StoresTheClampedValue) {
    const IntCase& c = GetParam();
    std::int32_t value = -42;
    if (c.radix == 10) {
        std::int32_t decimal = -42;
        EXPECT_EQ(ParseInt(c.text, decimal), c.whole);
        EXPECT_EQ(decimal, c.value);
    }
    EXPECT_EQ(ParseIntRadix(c.text, value, c.radix), c.whole);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntTable,
    ::testing::Values(
        IntCase{"", 10, true, 0}, IntCase{"42", 10, true, 42}, IntCase{"  -17", 10, true, -17},
        IntCase{"+5", 10, true, 5}, IntCase{"12 ", 10, false, 12}, IntCase{"1.5", 10, false, 1},
        IntCase{"x", 10, false, 0}, IntCase{"-", 10, false, 0}, IntCase{"0x10", 10, false, 0},
        IntCase{"2147483647", 10, true, INT32_MAX}, IntCase{"2147483648", 10, true, INT32_MAX},
        IntCase{"-2147483649", 10, true, INT32_MIN},
        IntCase{"99999999999999999999999", 10, true, INT32_MAX},
        IntCase{"-99999999999999999999999", 10, true, INT32_MIN}, IntCase{"ff", 16, true, 255},
        IntCase{"0x1F", 16, true, 31}, IntCase{"0X1f", 16, true, 31},
        IntCase{"-0x10", 16, true, -16}, IntCase{"0x", 16, false, 0},
        IntCase{"FFFFFFFF", 16, true, INT32_MAX}, IntCase{"101", 2, true, 5},
        IntCase{"102", 2, false, 2}, IntCase{"17", 8, true, 15}, IntCase{"z", 36, true, 35},
        IntCase{"010", 0, true, 8}, IntCase{"0x10", 0, true, 16},
        // A radix outside 2..36 converts nothing.
        IntCase{"10", 1, false, 0}, IntCase{"10", 37, false, 0}, IntCase{"", 99, true, 0}));

struct UnsignedCase {
    const char* text;
    int radix;
    bool whole;
    std::uint32_t value;
};

std::ostream& operator<<(std::ostream& out, const UnsignedCase& c) {
    return out << "\"" << c.text << "\" radix " << c.radix;
}

class ParseUnsignedTable : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(ParseUnsignedTable, FollowsThe32BitRules) {
    const UnsignedCase& c = GetParam();
    std::uint32_t value = 42;
    EXPECT_EQ(ParseUnsigned(c.text, value, c.radix), c.whole);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseUnsignedTable,
    ::testing::Values(
        UnsignedCase{"", 10, true, 0u}, UnsignedCase{"4294967295", 10, true, UINT32_MAX},
        UnsignedCase{"4294967296", 10, true, UINT32_MAX},
        UnsignedCase{"18446744073709551615", 10, true, UINT32_MAX},
        UnsignedCase{"99999999999999999999999", 10, true, UINT32_MAX},
        // "-" negates modulo 2^32.
        UnsignedCase{"-1", 10, true, UINT32_MAX}, UnsignedCase{"-0", 10, true, 0u},
        UnsignedCase{"  -2", 10, true, 4294967294u}, UnsignedCase{"-4294967295", 10, true, 1u},
        UnsignedCase{"-4294967296", 10, true, UINT32_MAX},
        UnsignedCase{"-99999999999999999999999", 10, true, UINT32_MAX},
        UnsignedCase{"FFFFFFFF", 16, true, UINT32_MAX},
        UnsignedCase{"0xDEADbeef", 16, true, 0xDEADBEEFu},
        UnsignedCase{"100000000", 16, true, UINT32_MAX}, UnsignedCase{"0x", 16, false, 0u},
        UnsignedCase{"11111111111111111111111111111111", 2, true, UINT32_MAX},
        UnsignedCase{"777", 8, true, 511u}, UnsignedCase{"778", 8, false, 63u},
        UnsignedCase{"12 ", 10, false, 12u}, UnsignedCase{"-", 10, false, 0u},
        UnsignedCase{"5", 40, false, 0u}));

}  // namespace
}  // namespace quorvel

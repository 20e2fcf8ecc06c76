// The number texts must read and write a point whatever locale the process runs in (the
// toolkit sets the C locale from the environment).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "common/number_text.h"
#include "support/comma_locale.h"

namespace quorvel {
namespace {

class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (!m_locale.Active()) {
            GTEST_SKIP() << testing::CommaLocale::kMissing;
        }
    }

private:
    testing::CommaLocale m_locale;
};

TEST_F(GermanLocale, FormatNumberWritesAPoint) {
    EXPECT_EQ(FormatNumber(8, 2, 123.456), "123.46");
    EXPECT_EQ(FormatNumber(12, 2, 1.5e12), "1.5E12");
    EXPECT_EQ(FormatNumber(8, 2, 1234567.0), "1234567.");
}

TEST_F(GermanLocale, FixedTextWritesAPoint) {
    EXPECT_EQ(FixedText(1234.5, 12, 9), "1234.500000000");
    EXPECT_EQ(LatLongText(-123.456789), "-123 27 24.440");
    EXPECT_EQ(DmsText(12.5125), "012 30 45.000");
}

TEST_F(GermanLocale, ParsersReadAPoint) {
    double real = 0.0;
    EXPECT_TRUE(ParseReal("1.5", real));
    EXPECT_EQ(real, 1.5);
    EXPECT_FALSE(ParseReal("1,5", real));
    EXPECT_EQ(real, 1.0);
    EXPECT_FALSE(ParseReal("1.000,5", real));

    std::int32_t signedValue = 0;
    EXPECT_TRUE(ParseInt(" -1234", signedValue));
    EXPECT_EQ(signedValue, -1234);
    EXPECT_FALSE(ParseInt("1.234", signedValue));
    EXPECT_EQ(signedValue, 1);
    EXPECT_TRUE(ParseIntRadix("0x7f", signedValue, 16));
    EXPECT_EQ(signedValue, 127);

    std::uint32_t unsignedValue = 0;
    EXPECT_TRUE(ParseUnsigned("4294967295", unsignedValue, 10));
    EXPECT_EQ(unsignedValue, 4294967295u);

    double degrees = 0.0;
    EXPECT_TRUE(ParseDms("-12 30 45.5", false, degrees));
    EXPECT_DOUBLE_EQ(degrees, -(12 + 30 / 60.0 + 45.5 / 3600));
    EXPECT_FALSE(ParseDms("12 30 45,5", false, degrees));
}

}  // namespace
}  // namespace quorvel

// The eight typed settings operations: the exact stored texts, whole-text conversion, the
// missing-key rule, and independence from the process locale.
#include <clocale>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "shell/settings_file.h"
#include "support/comma_locale.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

using testing::ReadBytes;
using testing::ScratchDirectory;

// The stored value text of key "K" in section "S".
std::string StoredValue(const IniText& ini) {
    return ini.ReadString("S", "K").value_or("<missing>");
}

struct WriteCase {
    const char* name;
    std::function<bool(IniStore&)> write;
    std::string stored;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(TypedWrite, StoresTheExactText) {
    IniText ini;
    ASSERT_TRUE(GetParam().write(ini));
    EXPECT_EQ(ini.Text(), "[S]\r\nK=" + GetParam().stored + "\r\n");
}

WriteCase Int(const char* name, std::int32_t v, std::string stored) {
    return {name, [v](IniStore& s) { return WriteIniInt(s, "S", "K", v); }, std::move(stored)};
}
WriteCase Unsigned(const char* name, int radix, std::uint32_t v, std::string stored) {
    return {name, [=](IniStore& s) { return WriteIniUnsigned(s, "S", "K", radix, v); },
            std::move(stored)};
}
WriteCase Real(const char* name, double v, std::string stored) {
    return {name, [v](IniStore& s) { return WriteIniReal(s, "S", "K", v); }, std::move(stored)};
}
WriteCase Bool(const char* name, bool v, std::string stored) {
    return {name, [v](IniStore& s) { return WriteIniBool(s, "S", "K", v); }, std::move(stored)};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedWrite,
    ::testing::Values(
        Int("IntNegative", -5, "-5"), Int("IntZero", 0, "0"), Int("IntPositive", 42, "42"),
        Int("IntMax", std::numeric_limits<std::int32_t>::max(), "2147483647"),
        Int("IntMin", std::numeric_limits<std::int32_t>::min(), "-2147483648"),
        Unsigned("Binary", 2, 255, std::string(24, '0') + "11111111"),
        Unsigned("Octal", 8, 255, "00000000377"), Unsigned("Hex", 16, 255, "000000FF"),
        Unsigned("HexMax", 16, 0xFFFFFFFFu, "FFFFFFFF"),
        Unsigned("OctalMax", 8, 0xFFFFFFFFu, "37777777777"), Unsigned("Decimal", 10, 255, "255"),
        Unsigned("DecimalMax", 10, 0xFFFFFFFFu, "4294967295"),
        Unsigned("OtherRadixIsDecimal", 7, 255, "255"),
        Real("RealRounded", 3.14159265358979, "3.141592654"),
        Real("RealTinyIsZero", 1e-12, "0.000000000"), Real("RealNegative", -2.5, "-2.500000000"),
        Real("RealHuge", 1e20, "100000000000000000000.000000000"), Bool("True", true, "YES"),
        Bool("False", false, "NO")),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(TypedRoundTrip, EveryTypeReadsBackWhatWasWritten) {
    IniText ini;
    WriteIniInt(ini, "S", "Int", -5);
    WriteIniReal(ini, "S", "Real", 3.14159265358979);
    WriteIniReal(ini, "S", "Tiny", 1e-12);
    WriteIniBool(ini, "S", "Bool", true);
    for (const int radix : {2, 8, 10, 16}) {
        WriteIniUnsigned(ini, "S", "U" + std::to_string(radix), radix, 255);
    }

    std::int32_t i = 0;
    EXPECT_TRUE(ReadIniInt(ini, "S", "Int", i));
    EXPECT_EQ(i, -5);
    double d = 0;
    EXPECT_TRUE(ReadIniReal(ini, "S", "Real", d));
    EXPECT_EQ(d, 3.141592654);
    d = 7;
    EXPECT_TRUE(ReadIniReal(ini, "S", "Tiny", d));
    EXPECT_EQ(d, 0.0);
    bool b = false;
    EXPECT_TRUE(ReadIniBool(ini, "S", "Bool", b));
    EXPECT_TRUE(b);
    for (const int radix : {2, 8, 10, 16}) {
        std::uint32_t u = 0;
        EXPECT_TRUE(ReadIniUnsigned(ini, "S", "U" + std::to_string(radix), radix, u)) << radix;
        EXPECT_EQ(u, 255u) << radix;
    }
}

TEST(TypedRead, MissingOrUnconvertibleLeavesTheValue) {
    const IniText ini("[S]\r\nBad=12abc\r\nHex=0x10\r\nSpace=1 2\r\nFloat=1.5\r\n");
    std::int32_t i = 77;
    std::uint32_t u = 77;
    double d = 77;
    bool b = true;
    for (const char* key : {"Missing", "Bad", "Hex", "Space", "Float"}) {
        EXPECT_FALSE(ReadIniInt(ini, "S", key, i)) << key;
    }
    EXPECT_FALSE(ReadIniInt(ini, "Other", "Bad", i));
    EXPECT_FALSE(ReadIniUnsigned(ini, "S", "Bad", 10, u));
    EXPECT_FALSE(ReadIniUnsigned(ini, "S", "Hex", 10, u));
    EXPECT_FALSE(ReadIniReal(ini, "S", "Bad", d));
    EXPECT_FALSE(ReadIniReal(ini, "S", "Space", d));
    EXPECT_FALSE(ReadIniBool(ini, "S", "Missing", b));
    EXPECT_EQ(i, 77);
    EXPECT_EQ(u, 77u);
    EXPECT_EQ(d, 77.0);
    EXPECT_TRUE(b);
}

TEST(TypedRead, SentinelTextReadsAsMissing) {
    const IniText ini("[S]\r\nK=BOGUS SECTION or KEY\r\nL=bogus section or key\r\n");
    std::int32_t i = 1;
    std::uint32_t u = 1;
    double d = 1;
    bool b = true;
    EXPECT_FALSE(ReadIniInt(ini, "S", "K", i));
    EXPECT_FALSE(ReadIniUnsigned(ini, "S", "K", 10, u));
    EXPECT_FALSE(ReadIniReal(ini, "S", "K", d));
    EXPECT_FALSE(ReadIniBool(ini, "S", "K", b));
    EXPECT_TRUE(b);
    // Only the exact text is the sentinel; any other text is an ordinary value.
    EXPECT_TRUE(ReadIniBool(ini, "S", "L", b));
    EXPECT_FALSE(b);
}

TEST(TypedRead, EmptyValueReadsAsZero) {
    const IniText ini("[S]\r\nK=\r\n");
    std::int32_t i = 1;
    std::uint32_t u = 1;
    double d = 1;
    bool b = true;
    EXPECT_TRUE(ReadIniInt(ini, "S", "K", i));
    EXPECT_TRUE(ReadIniUnsigned(ini, "S", "K", 16, u));
    EXPECT_TRUE(ReadIniReal(ini, "S", "K", d));
    EXPECT_TRUE(ReadIniBool(ini, "S", "K", b));
    EXPECT_EQ(i, 0);
    EXPECT_EQ(u, 0u);
    EXPECT_EQ(d, 0.0);
    EXPECT_FALSE(b);
}

TEST(TypedRead, BoolIsTrueOnlyForUpperCaseYes) {
    const IniText ini("[S]\r\nA=YES\r\nB=yes\r\nC=1\r\nD=TRUE\r\nE= YES \r\n");
    for (const auto& [key, expected] :
         {std::pair{"A", true}, {"B", false}, {"C", false}, {"D", false}, {"E", true}}) {
        bool b = !expected;
        EXPECT_TRUE(ReadIniBool(ini, "S", key, b)) << key;
        EXPECT_EQ(b, expected) << key;
    }
}

TEST(TypedRead, IntegersFollowTheCLibrary) {
    const IniText ini(
        "[S]\r\nBig=2147483648\r\nSmall=-2147483649\r\nPlus=+12\r\nMinus=-1\r\n"
        "HexPrefix=0xff\r\nHuge=99999999999999999999\r\n");
    std::int32_t i = 0;
    EXPECT_TRUE(ReadIniInt(ini, "S", "Big", i));
    EXPECT_EQ(i, 2147483647);
    EXPECT_TRUE(ReadIniInt(ini, "S", "Small", i));
    EXPECT_EQ(i, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(ReadIniInt(ini, "S", "Plus", i));
    EXPECT_EQ(i, 12);

    std::uint32_t u = 0;
    EXPECT_TRUE(ReadIniUnsigned(ini, "S", "Minus", 10, u));
    EXPECT_EQ(u, 4294967295u);
    EXPECT_TRUE(ReadIniUnsigned(ini, "S", "HexPrefix", 16, u));
    EXPECT_EQ(u, 255u);
    EXPECT_TRUE(ReadIniUnsigned(ini, "S", "Huge", 10, u));
    EXPECT_EQ(u, 4294967295u);
}

TEST(TypedFile, PathOperationsUseTheFile) {
    ScratchDirectory dir;
    const std::string path = dir.File("QuorvelII.Cfg");
    double d = 5;
    EXPECT_FALSE(ReadIniReal(path, "RF", "Watts", d));
    EXPECT_EQ(d, 5.0);

    EXPECT_TRUE(WriteIniReal(path, "RF", "Watts", 30));
    EXPECT_TRUE(WriteIniInt(path, "RF", "Mode", -5));
    EXPECT_TRUE(WriteIniUnsigned(path, "Number", "Base10Value", 10, 255));
    EXPECT_TRUE(WriteIniBool(path, "Pcm Data", "FspTrails", true));
    EXPECT_EQ(ReadBytes(path),
              "[RF]\r\nWatts=30.000000000\r\nMode=-5\r\n"
              "[Number]\r\nBase10Value=255\r\n"
              "[Pcm Data]\r\nFspTrails=YES\r\n");

    std::int32_t i = 0;
    std::uint32_t u = 0;
    bool b = false;
    EXPECT_TRUE(ReadIniReal(path, "rf", "watts", d));
    EXPECT_TRUE(ReadIniInt(path, "RF", "Mode", i));
    EXPECT_TRUE(ReadIniUnsigned(path, "Number", "Base10Value", 10, u));
    EXPECT_TRUE(ReadIniBool(path, "Pcm Data", "FspTrails", b));
    EXPECT_EQ(d, 30.0);
    EXPECT_EQ(i, -5);
    EXPECT_EQ(u, 255u);
    EXPECT_TRUE(b);

    EXPECT_FALSE(WriteIniReal(dir.File("missing/QuorvelII.Cfg"), "RF", "Watts", 1));
}

TEST(TypedLocale, CommaLocaleChangesNoStoredOrReadText) {
    IniText plain;
    WriteIniReal(plain, "S", "K", -1234.5);

    const testing::CommaLocale german;
    if (!german.Active()) {
        GTEST_SKIP() << testing::CommaLocale::kMissing;
    }
    IniText ini;
    ASSERT_TRUE(WriteIniReal(ini, "S", "K", -1234.5));
    EXPECT_EQ(StoredValue(ini), "-1234.500000000");
    EXPECT_EQ(ini.Text(), plain.Text());
    double d = 0;
    EXPECT_TRUE(ReadIniReal(ini, "S", "K", d));
    EXPECT_EQ(d, -1234.5);
    const IniText comma("[S]\r\nK=1,5\r\n");
    EXPECT_FALSE(ReadIniReal(comma, "S", "K", d));
    EXPECT_EQ(d, -1234.5);
}

}  // namespace
}  // namespace quorvel

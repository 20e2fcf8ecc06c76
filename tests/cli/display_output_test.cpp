#include "cli/display_output.h"

#include <gtest/gtest.h>

namespace quorvel::cli {
namespace {

struct Utf8Case {
    std::string_view bytes;
    bool valid;
};

class Utf8Check : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Check, TellsUtf8FromOtherBytes) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(DisplayOutput, Utf8Check,
                         ::testing::Values(Utf8Case{"", true}, Utf8Case{"12.34", true},
                                           Utf8Case{"\xC2\xB0", true},          // degree sign
                                           Utf8Case{"\xE2\x82\xAC", true},      // euro sign
                                           Utf8Case{"\xF0\x9F\x93\xA1", true},  // satellite antenna
                                           Utf8Case{"\xB0", false},          // Latin-1 degree sign
                                           Utf8Case{"\xC2", false},          // cut short
                                           Utf8Case{"\xC0\xB0", false},      // overlong
                                           Utf8Case{"\xED\xA0\x80", false},  // surrogate
                                           Utf8Case{"\xF4\x90\x80\x80", false},  // past U+10FFFF
                                           Utf8Case{"\xF8\x88\x80\x80\x80",
                                                    false},  // five-byte form
                                           Utf8Case{"a\xC3(", false}));

TEST(DisplayOutput, ShowsLatin1TextAsUtf8AndLeavesUtf8Alone) {
    EXPECT_EQ(ShownText("45\xB0 12'"), "45\xC2\xB0 12'");
    EXPECT_EQ(ShownText("45\xC2\xB0"), "45\xC2\xB0");
    EXPECT_EQ(ShownText("\xFF"), "\xC3\xBF");
}

TEST(DisplayOutput, JsonStringEscapesWhatJsonRequires) {
    EXPECT_EQ(JsonString("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
    EXPECT_EQ(JsonString("\t\n\r"), "\"\\t\\n\\r\"");
    EXPECT_EQ(JsonString(std::string_view("\x01\x1f\x7f\0", 4)),
              "\"\\u0001\\u001f\\u007f\\u0000\"");
    EXPECT_EQ(JsonString("\xC2\xB0"), "\"\xC2\xB0\"");
}

TEST(DisplayOutput, EmptyDisplayIsAnEmptyObjectOrNoLines) {
    EXPECT_EQ(DisplayJson({}), "{}\n");
    EXPECT_EQ(DisplayLines({}), "");
}

}  // namespace
}  // namespace quorvel::cli

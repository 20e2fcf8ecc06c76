// Value names for the clipboard and screen readers, and the page as text.
#include "shell/value_caption.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

struct NameCase {
    ValueCaption caption;
    std::string expected;
};

class ValueNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ValueNameTest, NamesTheValueByCaptionAndUnit) {
    EXPECT_EQ(ValueName(GetParam().caption), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, ValueNameTest,
    ::testing::Values(NameCase{{"dBm", ""}, "dBm"},
                      NameCase{{"Wave Length", "mm"}, "Wave Length (mm)"},
                      // A caption that carries its unit already is left as it is.
                      NameCase{{"Freq (GHz)", ""}, "Freq (GHz)"},
                      // A column head in parentheses is not put in a second pair.
                      NameCase{{"Base #", "(16)"}, "Base # (16)"},
                      // Only a whole parenthesised unit counts as one.
                      NameCase{{"Rate", "(a) b"}, "Rate ((a) b)"},
                      NameCase{{"Rate", "("}, "Rate (()"},
                      // A unit alone does not name a value.
                      NameCase{{"", "in"}, ""}, NameCase{{"", ""}, ""}));

TEST(ValuesAsTextTest, OneLinePerValueWithATabBetweenNameAndExactText) {
    const std::vector<NamedValue> values{
        {"Watts", "2.00"}, {"dBm", "33.01"}, {"Non-NRZL Code", "NO"}, {"Time", " 01:02:03"}};
    EXPECT_EQ(ValuesAsText(values),
              "Watts\t2.00\ndBm\t33.01\nNon-NRZL Code\tNO\nTime\t 01:02:03\n");
}

TEST(ValuesAsTextTest, NoValuesGiveNoText) {
    EXPECT_EQ(ValuesAsText({}), "");
}

}  // namespace
}  // namespace quorvel

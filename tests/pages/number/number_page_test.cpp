#include "pages/number/number_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "support/fake_clock.h"
#include "support/page_model_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::ScriptedInteraction;
using testing::Shown;

// The four texts of one pattern-grid row ("" for the base row, "Rev", "RotL", "RotR").
std::vector<std::string> PatternRow(const PageModel& page, const std::string& ending) {
    std::vector<std::string> row;
    for (const char* column : {"Hex", "Binary", "Octal", "Dec"}) {
        row.push_back(Shown(page, "StaticPattern" + std::string(column) + ending));
    }
    return row;
}

constexpr auto Loaded = testing::Loaded<NumberPageModel>;

// A page loaded with value v, N bits and the given entry radix.
NumberPageModel PageWith(std::uint32_t v, int numBits, int radix = 16) {
    return Loaded("[Number]\r\nBase10Value=" + std::to_string(v) + "\r\nNumBits=" +
                  std::to_string(numBits) + "\r\nConvertBase=" + std::to_string(radix) + "\r\n");
}

TEST(NumberPage, IsTheSecondPageOfTheRegistry) {
    testing::FakeClock clock;
    const auto page = MakePageModel(1, clock);
    ASSERT_NE(dynamic_cast<NumberPageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "Number");
    EXPECT_EQ(page->TabCaption(), "Number");
    EXPECT_EQ(page->PageCaption(), "Number Functions");
    std::vector<std::string> keys;
    for (const SettingKey& key : page->SettingKeys()) {
        keys.emplace_back(key.name);
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Base10Value", "NumBits", "ConvertBase", "BitsToRotate"}));
    EXPECT_EQ(page->SettingKeys()[0].type, SettingType::Unsigned);
    EXPECT_EQ(page->SettingKeys()[3].type, SettingType::Int);
}

TEST(NumberPage, ListsItsControlsInPageOrder) {
    const NumberPageModel page;
    std::vector<std::string> names;
    for (const DisplayItem& item : page.Display()) {
        names.push_back(item.name);
    }
    std::vector<std::string> expected{"EditBaseNumber",   "ButtonRadixHex",    "ButtonRadixBinary",
                                      "ButtonRadixOctal", "ButtonRadixDec",    "ComboNumBits",
                                      "ComboRotBits",     "LabelBitsRequired", "LabelNumBitsSet"};
    for (const char* row : {"", "Rev", "RotL", "RotR"}) {
        for (const char* column : {"Hex", "Binary", "Octal", "Dec"}) {
            expected.push_back(std::string("StaticPattern") + column + row);
        }
    }
    for (const char* label :
         {"LabelTwosComp", "LabelOffsetBinary", "LabelOnesComp", "LabelSignMagnitude"}) {
        expected.push_back(label);
        expected.push_back(std::string(label) + "10");
    }
    expected.insert(expected.end(), {"Label754Float", "LabelMilStd1750", "LabelDecFloat"});
    EXPECT_EQ(names, expected);
}

TEST(NumberPage, FreshPageShowsTheDefaults) {
    const NumberPageModel page;
    EXPECT_EQ(page.Values().numBits, 16);
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "0x0000");
    EXPECT_EQ(Shown(page, "ButtonRadixHex"), "YES");
    EXPECT_EQ(Shown(page, "ButtonRadixBinary"), "NO");
    EXPECT_EQ(Shown(page, "ButtonRadixOctal"), "NO");
    EXPECT_EQ(Shown(page, "ButtonRadixDec"), "NO");
    EXPECT_EQ(Shown(page, "ComboNumBits"), "16");
    EXPECT_EQ(Shown(page, "ComboRotBits"), "0");
    EXPECT_EQ(Shown(page, "LabelBitsRequired"), "0");
    EXPECT_EQ(Shown(page, "LabelNumBitsSet"), "0");
    EXPECT_EQ(PatternRow(page, ""),
              (std::vector<std::string>{"0x0000", "0000000000000000", "o000000", "0"}));
    EXPECT_EQ(Shown(page, "LabelOffsetBinary"), "0x8000");
    EXPECT_EQ(Shown(page, "LabelOffsetBinary10"), "-32768");
    EXPECT_EQ(Shown(page, "Label754Float"), "0.00000000");
    EXPECT_EQ(Shown(page, "LabelMilStd1750"), "0.00000000");
    // The DEC word 0 is 2^-129, far below the eight decimals shown.
    EXPECT_EQ(Shown(page, "LabelDecFloat"), "0.00000000");
}

TEST(NumberPage, SixteenOnesInSixteenBits) {
    const NumberPageModel page = PageWith(0x0000FFFF, 16);
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "0xFFFF");
    EXPECT_EQ(Shown(page, "LabelBitsRequired"), "16");
    EXPECT_EQ(Shown(page, "LabelNumBitsSet"), "16");
    EXPECT_EQ(PatternRow(page, ""),
              (std::vector<std::string>{"0xFFFF", "1111111111111111", "o177777", "65535"}));
    // 0xFFFF0000 cut to its four most significant hexadecimal digits.
    EXPECT_EQ(Shown(page, "StaticPatternHexRev"), "0xFFFF");
    EXPECT_EQ(Shown(page, "StaticPatternDecRev"), "4294901760");
    EXPECT_EQ(Shown(page, "LabelTwosComp"), "0xFFFF");
    EXPECT_EQ(Shown(page, "LabelTwosComp10"), "-1");
    EXPECT_EQ(Shown(page, "LabelOffsetBinary"), "0x7FFF");
    EXPECT_EQ(Shown(page, "LabelOffsetBinary10"), "32767");
    EXPECT_EQ(Shown(page, "LabelOnesComp"), "0xFFFE");
    EXPECT_EQ(Shown(page, "LabelOnesComp10"), "-2");
    // -1 in sign magnitude: the sign bit and a magnitude of 1.
    EXPECT_EQ(Shown(page, "LabelSignMagnitude"), "0x8001");
    EXPECT_EQ(Shown(page, "LabelSignMagnitude10"), "-32767");
}

TEST(NumberPage, ThirtyTwoOnesFillEveryWidth) {
    const NumberPageModel page = PageWith(0xFFFFFFFF, 32);
    EXPECT_EQ(PatternRow(page, ""), (std::vector<std::string>{"0xFFFFFFFF", std::string(32, '1'),
                                                              "o37777777777", "4294967295"}));
    EXPECT_EQ(Shown(page, "LabelBitsRequired"), "32");
    EXPECT_EQ(Shown(page, "LabelNumBitsSet"), "32");
    EXPECT_EQ(Shown(page, "LabelOnesComp"), "0xFFFFFFFE");
    EXPECT_EQ(Shown(page, "LabelOffsetBinary10"), "2147483647");
    EXPECT_EQ(Shown(page, "Label754Float"), "NaN");
}

TEST(NumberPage, FloatLabelsDecodeTheWordThreeWays) {
    const NumberPageModel one = PageWith(0x3F800000, 32);
    EXPECT_EQ(Shown(one, "Label754Float"), "1.00000000");
    EXPECT_EQ(Shown(one, "LabelMilStd1750"), "0.49609375");
    EXPECT_EQ(Shown(one, "LabelDecFloat"), "0.25000000");

    const NumberPageModel ten = PageWith(0x50000004, 32);
    EXPECT_EQ(Shown(ten, "LabelMilStd1750"), "10.00000000");
    EXPECT_EQ(Shown(PageWith(0xC0000000, 32), "Label754Float"), "-2.00000000");
    EXPECT_EQ(Shown(PageWith(0x7F800000, 32), "Label754Float"), "NaN");
}

struct EntryCase {
    int radix;
    const char* text;
    std::uint32_t value;
};

class NumberEntry : public ::testing::TestWithParam<EntryCase> {};

// The digits are read as far as they go; nothing is refused.
TEST_P(NumberEntry, ReadsTheDigitsOfTheEntryRadix) {
    const EntryCase& c = GetParam();
    NumberPageModel page = PageWith(12345, 32, c.radix);
    ScriptedInteraction ui;
    ASSERT_TRUE(page.EditEntered("EditBaseNumber", c.text, ui));
    EXPECT_EQ(page.Values().baseValue, c.value) << c.text;
    EXPECT_TRUE(ui.recorded.heard.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberEntry,
    ::testing::Values(EntryCase{16, "1Z", 1}, EntryCase{16, "xyz", 0},
                      EntryCase{10, "99999999999", 4294967295U}, EntryCase{10, "-1", 4294967295U},
                      EntryCase{10, "-2", 4294967294U}, EntryCase{10, " 42", 42},
                      EntryCase{10, "", 0}, EntryCase{16, "0x1f", 31},
                      EntryCase{16, "ffffffff", 0xFFFFFFFF},
                      EntryCase{16, "1FFFFFFFF", 4294967295U}, EntryCase{8, "o17", 15},
                      EntryCase{8, "17", 15}, EntryCase{8, "o19", 1}, EntryCase{8, "oo7", 0},
                      EntryCase{2, "101", 5}, EntryCase{2, "1021", 2},
                      EntryCase{2, "111111111111111111111111111111111", 4294967295U}));

TEST(NumberPage, RadixButtonsChooseTheEntryRadix) {
    NumberPageModel page = PageWith(0xAB, 16);
    ScriptedInteraction ui;
    ASSERT_TRUE(page.ButtonClicked("ButtonRadixBinary", ui));
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "0000000010101011");
    EXPECT_EQ(Shown(page, "ButtonRadixBinary"), "YES");
    EXPECT_EQ(Shown(page, "ButtonRadixHex"), "NO");
    ASSERT_TRUE(page.ButtonClicked("ButtonRadixOctal", ui));
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "o000253");
    ASSERT_TRUE(page.ButtonClicked("ButtonRadixDec", ui));
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "171");
    ASSERT_TRUE(page.ButtonClicked("ButtonRadixHex", ui));
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "0x00AB");
    EXPECT_FALSE(page.ButtonClicked("ButtonRadixSeven", ui));
    EXPECT_FALSE(page.EditEntered("EditOther", "1", ui));
    EXPECT_EQ(page.Values().baseValue, 0xABU);
}

// Enter, or leaving the box, on the text the page shows keeps the value, in every radix and
// width; the same text typed into a page holding another value gives the value back.
TEST(NumberPage, ShownEntryTextReadsBackAsTheValue) {
    ScriptedInteraction ui;
    for (const int radix : {2, 8, 10, 16}) {
        for (int n = 4; n <= 32; ++n) {
            const std::uint32_t mask = n == 32 ? 0xFFFFFFFFU : (1U << n) - 1;
            for (const std::uint32_t v : {0U, 1U, 0x5A5A5A5AU & mask, mask, mask >> 1}) {
                NumberPageModel page = PageWith(v, n, radix);
                const std::string shown = Shown(page, "EditBaseNumber");
                page.EditEntered("EditBaseNumber", shown, ui);
                EXPECT_EQ(page.Values().baseValue, v) << radix << " " << n << " " << shown;

                NumberPageModel other = PageWith(v ^ 1U, n, radix);
                other.EditEntered("EditBaseNumber", shown, ui);
                EXPECT_EQ(other.Values().baseValue, v) << radix << " " << n << " " << shown;
            }
        }
    }
}

// A value wider than N shows cut hexadecimal and octal texts; leaving the box on such a text
// must not replace the value by the cut digits.
TEST(NumberPage, ValueWiderThanTheFieldKeepsItsDigitsAndItsValue) {
    NumberPageModel page = PageWith(300, 8);
    EXPECT_EQ(PatternRow(page, ""), (std::vector<std::string>{"0x12", "00010010", "o454", "300"}));
    EXPECT_EQ(Shown(page, "LabelBitsRequired"), "9");
    EXPECT_EQ(Shown(page, "LabelTwosComp"), "0x2C");
    EXPECT_EQ(Shown(page, "LabelTwosComp10"), "44");

    ScriptedInteraction ui;
    ASSERT_EQ(Shown(page, "EditBaseNumber"), "0x12");
    page.EditEntered("EditBaseNumber", "0x12", ui);
    EXPECT_EQ(page.Values().baseValue, 300U);
    // Typing the cut text afresh is a new entry once the box shows something else.
    page.ButtonClicked("ButtonRadixDec", ui);
    page.EditEntered("EditBaseNumber", "18", ui);
    EXPECT_EQ(page.Values().baseValue, 18U);
}

TEST(NumberPage, RotationsActOnTheWholeWord) {
    NumberPageModel page = PageWith(0x12345678, 32);
    ScriptedInteraction ui;
    EXPECT_EQ(PatternRow(page, "RotL"), PatternRow(page, ""));
    EXPECT_EQ(PatternRow(page, "RotR"), PatternRow(page, ""));
    ASSERT_TRUE(page.ListChosen("ComboRotBits", 16, ui));
    EXPECT_EQ(Shown(page, "ComboRotBits"), "16");
    EXPECT_EQ(Shown(page, "StaticPatternHexRotL"), "0x56781234");
    EXPECT_EQ(PatternRow(page, "RotL"), PatternRow(page, "RotR"));
    ASSERT_TRUE(page.ListChosen("ComboRotBits", 4, ui));
    EXPECT_EQ(Shown(page, "StaticPatternHexRotL"), "0x23456781");
    EXPECT_EQ(Shown(page, "StaticPatternHexRotR"), "0x81234567");
    EXPECT_EQ(Shown(page, "StaticPatternHexRev"), "0x1E6A2C48");

    // N = 8 cuts the hexadecimal text to two digits; the decimal text keeps the whole word.
    ASSERT_TRUE(page.ListChosen("ComboNumBits", 4, ui));
    EXPECT_EQ(Shown(page, "ComboNumBits"), "8");
    EXPECT_EQ(Shown(page, "StaticPatternHexRotR"), "0x81");
    EXPECT_EQ(Shown(page, "StaticPatternDecRotR"), "2166572391");
}

TEST(NumberPage, ListsRefuseIndexesWithoutAnItem) {
    NumberPageModel page;
    ScriptedInteraction ui;
    EXPECT_TRUE(page.ListChosen("ComboNumBits", 0, ui));
    EXPECT_EQ(page.Values().numBits, 4);
    EXPECT_TRUE(page.ListChosen("ComboNumBits", 28, ui));
    EXPECT_EQ(page.Values().numBits, 32);
    EXPECT_FALSE(page.ListChosen("ComboNumBits", 29, ui));
    EXPECT_FALSE(page.ListChosen("ComboNumBits", -1, ui));
    EXPECT_EQ(page.Values().numBits, 32);
    EXPECT_TRUE(page.ListChosen("ComboRotBits", 31, ui));
    EXPECT_FALSE(page.ListChosen("ComboRotBits", 32, ui));
    EXPECT_EQ(page.Values().bitsToRotate, 31);
    EXPECT_FALSE(page.ListChosen("ComboOther", 0, ui));
}

TEST(NumberPage, UnknownRadixShowsUnkAndKeepsTheValue) {
    NumberPageModel page = PageWith(77, 16, 5);
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "unk");
    for (const char* button :
         {"ButtonRadixHex", "ButtonRadixBinary", "ButtonRadixOctal", "ButtonRadixDec"}) {
        EXPECT_EQ(Shown(page, button), "NO") << button;
    }
    EXPECT_EQ(Shown(page, "StaticPatternDec"), "77");

    ScriptedInteraction ui;
    page.EditEntered("EditBaseNumber", "unk", ui);
    page.EditEntered("EditBaseNumber", "123", ui);
    EXPECT_EQ(page.Values().baseValue, 77U);

    IniText saved;
    page.SaveSettings(saved);
    EXPECT_NE(saved.Text().find("ConvertBase=5"), std::string::npos);

    page.ButtonClicked("ButtonRadixDec", ui);
    EXPECT_EQ(Shown(page, "EditBaseNumber"), "77");
    page.EditEntered("EditBaseNumber", "123", ui);
    EXPECT_EQ(page.Values().baseValue, 123U);
}

TEST(NumberPage, SettingsRoundTripGivesTheSameDisplay) {
    NumberPageModel page;
    ScriptedInteraction ui;
    page.ButtonClicked("ButtonRadixOctal", ui);
    page.ListChosen("ComboNumBits", 20, ui);
    page.ListChosen("ComboRotBits", 7, ui);
    page.EditEntered("EditBaseNumber", "o37777777777", ui);
    ASSERT_EQ(page.Values().baseValue, 0xFFFFFFFFU);

    IniText saved;
    page.SaveSettings(saved);
    EXPECT_EQ(saved.Text(),
              "[Number]\r\nBase10Value=4294967295\r\nNumBits=24\r\nConvertBase=8\r\n"
              "BitsToRotate=7\r\n");
    NumberPageModel reloaded;
    reloaded.LoadSettings(saved);
    EXPECT_EQ(reloaded.Display(), page.Display());
}

TEST(NumberPage, MissingOrUnreadableKeysKeepTheValuesHeld) {
    const NumberPageModel empty = Loaded("");
    EXPECT_EQ(empty.Display(), NumberPageModel().Display());

    const NumberPageModel garbled = Loaded(
        "[Number]\r\nBase10Value=12x\r\nNumBits=eight\r\nConvertBase=hex\r\nBitsToRotate=1.5\r\n");
    EXPECT_EQ(garbled.Display(), NumberPageModel().Display());
}

struct RangeCase {
    const char* numBits;
    const char* bitsToRotate;
    int wantNumBits;
    int wantBitsToRotate;
};

class NumberSettingsRange : public ::testing::TestWithParam<RangeCase> {};

// Widths and counts the lists cannot show are refused; the held values stay.
TEST_P(NumberSettingsRange, TakesOnlyWhatTheListsOffer) {
    const RangeCase& c = GetParam();
    const NumberPageModel page = Loaded(std::string("[Number]\r\nNumBits=") + c.numBits +
                                        "\r\nBitsToRotate=" + c.bitsToRotate + "\r\n");
    EXPECT_EQ(page.Values().numBits, c.wantNumBits);
    EXPECT_EQ(page.Values().bitsToRotate, c.wantBitsToRotate);
    EXPECT_EQ(Shown(page, "ComboNumBits"), std::to_string(c.wantNumBits));
    EXPECT_EQ(Shown(page, "ComboRotBits"), std::to_string(c.wantBitsToRotate));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberSettingsRange,
                         ::testing::Values(RangeCase{"4", "0", 4, 0}, RangeCase{"32", "31", 32, 31},
                                           RangeCase{"3", "-1", 16, 0},
                                           RangeCase{"33", "32", 16, 0},
                                           RangeCase{"0", "99", 16, 0},
                                           RangeCase{"-2147483648", "2147483647", 16, 0}));

// Every width the list offers gives texts of its own digit counts, so nothing shown is wider
// than the width the page lays out for it.
TEST(NumberPage, TextsHaveTheDigitCountsOfTheirWidth) {
    ScriptedInteraction ui;
    for (int n = 4; n <= 32; ++n) {
        const std::size_t hex = static_cast<std::size_t>((n + 3) / 4) + 2;
        const std::size_t octal = static_cast<std::size_t>((n + 2) / 3) + 1;
        for (const std::uint32_t v : {0U, 0xFFFFFFFFU, 0x80000001U}) {
            NumberPageModel page = PageWith(v, n);
            for (const char* row : {"", "Rev", "RotL", "RotR"}) {
                const std::string ending(row);
                EXPECT_EQ(Shown(page, "StaticPatternHex" + ending).size(), hex);
                EXPECT_EQ(Shown(page, "StaticPatternBinary" + ending).size(),
                          static_cast<std::size_t>(n));
                EXPECT_EQ(Shown(page, "StaticPatternOctal" + ending).size(), octal);
            }
            for (const char* label :
                 {"LabelTwosComp", "LabelOffsetBinary", "LabelOnesComp", "LabelSignMagnitude"}) {
                EXPECT_EQ(Shown(page, label).size(), hex) << label << " " << n;
            }
        }
    }
}

}  // namespace
}  // namespace quorvel

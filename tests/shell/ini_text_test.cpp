// The INI rules on text in memory: what a read answers, and what a write changes (and what it
// leaves byte for byte).
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "shell/ini_store.h"

namespace quorvel {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class IniTextRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniTextRead, AnswersAsTheFormatRulesSay) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniText(c.text).ReadString(c.section, c.key), c.expected);
}

const std::string kLongValue(1500, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextRead,
    ::testing::Values(
        ReadCase{"Plain", "[RF]\r\nWatts=30.000000000\r\n", "RF", "Watts", "30.000000000"},
        ReadCase{"NamesIgnoreCase", "[rf]\r\nwATTS=1\r\n", "RF", "Watts", "1"},
        ReadCase{"MissingKey", "[RF]\r\nWatts=1\r\n", "RF", "Ohms", std::nullopt},
        ReadCase{"MissingSection", "[RF]\r\nWatts=1\r\n", "Number", "Watts", std::nullopt},
        ReadCase{"KeyOfAnotherSection", "[RF]\r\nA=1\r\n[Number]\r\nB=2\r\n", "RF", "B",
                 std::nullopt},
        ReadCase{"KeyBeforeAnySection", "Watts=1\r\n[RF]\r\n", "RF", "Watts", std::nullopt},
        ReadCase{"EmptyValue", "[RF]\r\nWatts=\r\n", "RF", "Watts", ""},
        ReadCase{"ValueTrimmed", "[RF]\r\nWatts= \t 12 5 \t\r\n", "RF", "Watts", "12 5"},
        ReadCase{"SpacesAroundKeyAndEquals", "[RF]\r\n  Watts  =  7\r\n", "RF", "Watts", "7"},
        ReadCase{"SpacesInsideSectionBrackets", "  [  RF  ]  \r\nWatts=7\r\n", "RF", "Watts", "7"},
        ReadCase{"TextAfterSectionBracket", "[RF] ; the RF page\r\nWatts=7\r\n", "RF", "Watts",
                 "7"},
        ReadCase{"QueryNamesTrimmed", "[RF]\r\nWatts=7\r\n", " RF ", " Watts ", "7"},
        ReadCase{"SecondEqualsBelongsToValue", "[RF]\r\nA=b=c\r\n", "RF", "A", "b=c"},
        ReadCase{"CommentLineIsNoEntry", "[RF]\r\n;Watts=1\r\n", "RF", ";Watts", std::nullopt},
        ReadCase{"CommentLineSkipped", "[RF]\r\n; note = x\r\nWatts=2\r\n", "RF", "Watts", "2"},
        ReadCase{"LineWithoutEqualsIsNoKey", "[RF]\r\nWatts\r\n", "RF", "Watts", std::nullopt},
        ReadCase{"LineWithoutEqualsSkipped", "[RF]\r\ngarbage\r\nWatts=3\r\n", "RF", "Watts", "3"},
        ReadCase{"UnclosedBracketIsNoSection", "[RF]\r\n[Number\r\nWatts=3\r\n", "RF", "Watts",
                 "3"},
        ReadCase{"FirstDuplicateKeyWins", "[RF]\r\nA=1\r\nA=2\r\n", "RF", "A", "1"},
        ReadCase{"FirstDuplicateSectionWins", "[RF]\r\nA=1\r\n[RF]\r\nA=2\r\n", "RF", "A", "1"},
        ReadCase{"KeyOnlyInLaterDuplicateSection", "[RF]\r\nA=1\r\n[X]\r\n[rf]\r\nB=2\r\n", "RF",
                 "B", "2"},
        ReadCase{"LfOnly", "[RF]\nA=1\nB=2\n", "RF", "B", "2"},
        ReadCase{"MixedLineEnds", "[RF]\nA=1\r\nB=2\n[X]\r\nC=3", "X", "C", "3"},
        ReadCase{"NoFinalLineEnd", "[RF]\r\nA=1", "RF", "A", "1"},
        ReadCase{"LoneCrEndsALine", "[RF]\r\nA=1\rB=2\r\n", "RF", "B", "2"},
        ReadCase{"OldMacLineEnds", "[RF]\rA=1\rB=2\r", "RF", "B", "2"},
        ReadCase{"CrBeforeCrLfIsAnEmptyLine", "[RF]\r\r\nA=1\r\n", "RF", "A", "1"},
        ReadCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBF[RF]\r\nA=1\r\n", "RF", "A", "1"},
        ReadCase{"ValueEndsAtNul", "[RF]\r\nA=12\0\0\0xyz\r\n"s, "RF", "A", "12"},
        ReadCase{"NulLineIgnored", "[RF]\r\n\0\0\0\0\r\nA=5\r\n"s, "RF", "A", "5"},
        ReadCase{"BinaryBytesKeptInValue", "[RF]\r\nA=\xff\x80\x01z\r\n", "RF", "A",
                 "\xff\x80\x01z"},
        ReadCase{"HighBytesAreNoSpaces", "[RF]\r\nA=\xa0x\xa0\r\n", "RF", "A", "\xa0x\xa0"},
        ReadCase{"ValueCutAt1023", "[RF]\r\nA=" + kLongValue + "\r\n", "RF", "A",
                 std::string(1023, 'x')},
        ReadCase{"CutAfterTrimming", "[RF]\r\nA=   " + kLongValue + "\r\n", "RF", "A",
                 std::string(1023, 'x')},
        ReadCase{"EmptySectionQuery", "[]\r\nA=1\r\n", "", "A", std::nullopt},
        ReadCase{"EmptyKeyQuery", "[RF]\r\n=1\r\n", "RF", "", std::nullopt},
        ReadCase{"EmptyText", "", "RF", "A", std::nullopt}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(IniTextRead, MegabyteLineIsReadAndCut) {
    const std::string text = "[RF]\r\nA=" + std::string(1 << 20, '7') + "\r\nB=2\r\n";
    const IniText ini(text);
    EXPECT_EQ(ini.ReadString("RF", "A"), std::string(1023, '7'));
    EXPECT_EQ(ini.ReadString("RF", "B"), "2");
}

TEST(IniTextWrite, FreshTextKeepsTheOrderOfWriting) {
    IniText ini;
    ASSERT_TRUE(ini.WriteString("RF", "Watts", "30.000000000"));
    ASSERT_TRUE(ini.WriteString("RF", "Ohms", "50.000000000"));
    ASSERT_TRUE(ini.WriteString("Number", "Base10Value", "255"));
    ASSERT_TRUE(ini.WriteString("RF", "Freq", "1"));
    ASSERT_TRUE(ini.WriteString("MiscInfo", "PageControl", "0"));
    EXPECT_EQ(ini.Text(),
              "[RF]\r\nWatts=30.000000000\r\nOhms=50.000000000\r\nFreq=1\r\n"
              "[Number]\r\nBase10Value=255\r\n"
              "[MiscInfo]\r\nPageControl=0\r\n");
}

TEST(IniTextWrite, ReplacesInPlaceAndLeavesEveryOtherLine) {
    const std::string before =
        "; hand-written notes\n"
        "[ rf ]\n"
        "  watts = 1 \n"
        "junk line\r\n"
        "\xff\x00 binary\r\n"s
        "[Number]\r\nwatts=9\r\n";
    IniText ini(before);
    ASSERT_TRUE(ini.WriteString("RF", "Watts", "2"));
    // The key keeps its spelling from the file; the rewritten line ends in CR LF.
    EXPECT_EQ(ini.Text(),
              "; hand-written notes\n"
              "[ rf ]\n"
              "watts=2\r\n"
              "junk line\r\n"
              "\xff\x00 binary\r\n"s
              "[Number]\r\nwatts=9\r\n");
}

TEST(IniTextWrite, NewKeyGoesAfterTheLastEntryOfItsSection) {
    IniText ini(
        "[RF]\r\nA=1\r\nnot an entry\r\n; comment\r\n\r\n"
        "[Number]\r\nB=2\r\n");
    ASSERT_TRUE(ini.WriteString("RF", "C", "3"));
    EXPECT_EQ(ini.Text(),
              "[RF]\r\nA=1\r\nC=3\r\nnot an entry\r\n; comment\r\n\r\n"
              "[Number]\r\nB=2\r\n");
}

TEST(IniTextWrite, NewKeyOfAnEmptySectionFollowsItsSectionLine) {
    IniText ini("[RF]\n\n[Number]\nB=2\n");
    ASSERT_TRUE(ini.WriteString("rf", "C", "3"));
    EXPECT_EQ(ini.Text(), "[RF]\nC=3\r\n\n[Number]\nB=2\n");
}

TEST(IniTextWrite, DuplicatesChangeOnlyTheOccurrenceThatIsRead) {
    IniText ini("[RF]\r\nA=1\r\nA=2\r\n[RF]\r\nA=3\r\nB=4\r\n");
    ASSERT_TRUE(ini.WriteString("RF", "A", "x"));
    ASSERT_TRUE(ini.WriteString("RF", "B", "y"));
    ASSERT_TRUE(ini.WriteString("RF", "C", "z"));
    EXPECT_EQ(ini.Text(), "[RF]\r\nA=x\r\nA=2\r\nC=z\r\n[RF]\r\nA=3\r\nB=y\r\n");
    EXPECT_EQ(ini.ReadString("RF", "A"), "x");
    EXPECT_EQ(ini.ReadString("RF", "B"), "y");
    EXPECT_EQ(ini.ReadString("RF", "C"), "z");
}

TEST(IniTextWrite, LastLineWithoutLineEndGetsOneBeforeAnAddition) {
    IniText entryLast("[RF]\r\nA=1");
    ASSERT_TRUE(entryLast.WriteString("RF", "B", "2"));
    EXPECT_EQ(entryLast.Text(), "[RF]\r\nA=1\r\nB=2\r\n");

    IniText sectionLast("[RF]");
    ASSERT_TRUE(sectionLast.WriteString("RF", "B", "2"));
    EXPECT_EQ(sectionLast.Text(), "[RF]\r\nB=2\r\n");

    IniText otherLast("[RF]\r\nA=1");
    ASSERT_TRUE(otherLast.WriteString("Number", "B", "2"));
    EXPECT_EQ(otherLast.Text(), "[RF]\r\nA=1\r\n[Number]\r\nB=2\r\n");

    IniText loneCrLast("[RF]\r\nA=1\r");
    ASSERT_TRUE(loneCrLast.WriteString("Number", "B", "2"));
    EXPECT_EQ(loneCrLast.Text(), "[RF]\r\nA=1\r\n[Number]\r\nB=2\r\n");

    IniText replacedLast("[RF]\r\nA=1");
    ASSERT_TRUE(replacedLast.WriteString("RF", "A", "2"));
    EXPECT_EQ(replacedLast.Text(), "[RF]\r\nA=2\r\n");
}

TEST(IniTextWrite, ALineWithoutEqualsIsLeftAndTheKeyAdded) {
    IniText ini("[RF]\r\nWatts\r\n");
    ASSERT_TRUE(ini.WriteString("RF", "Watts", "1"));
    EXPECT_EQ(ini.Text(), "[RF]\r\nWatts=1\r\nWatts\r\n");
    EXPECT_EQ(ini.ReadString("RF", "Watts"), "1");
}

TEST(IniTextWrite, LongValueIsStoredWholeAndReadCut) {
    IniText ini;
    ASSERT_TRUE(ini.WriteString("RF", "A", kLongValue));
    EXPECT_EQ(ini.Text(), "[RF]\r\nA=" + kLongValue + "\r\n");
    EXPECT_EQ(ini.ReadString("RF", "A"), std::string(1023, 'x'));
}

TEST(IniTextWrite, RefusesWhatWouldChangeTheFileStructure) {
    const std::string before = "[RF]\r\nA=1\r\n";
    IniText ini(before);
    EXPECT_FALSE(ini.WriteString("", "A", "1"));
    EXPECT_FALSE(ini.WriteString("  ", "A", "1"));
    EXPECT_FALSE(ini.WriteString("RF", "", "1"));
    EXPECT_FALSE(ini.WriteString("RF", "A", "1\r\n[Evil]"));
    EXPECT_FALSE(ini.WriteString("RF", "A", "1\n"));
    EXPECT_FALSE(ini.WriteString("RF", "A", "1\0"s));
    EXPECT_FALSE(ini.WriteString("R\nF", "A", "1"));
    EXPECT_FALSE(ini.WriteString("RF", "A=B", "1"));
    EXPECT_FALSE(ini.WriteString("RF", "[A]", "1"));
    EXPECT_FALSE(ini.WriteString("RF", ";A", "1"));
    EXPECT_EQ(ini.Text(), before);
}

TEST(IniTextWrite, NamesAreWrittenTrimmed) {
    IniText ini;
    ASSERT_TRUE(ini.WriteString(" RF ", " A ", " v "));
    EXPECT_EQ(ini.Text(), "[RF]\r\nA= v \r\n");
    EXPECT_EQ(ini.ReadString("RF", "A"), "v");
}

TEST(IniTextWrite, ByteOrderMarkStaysInFront) {
    IniText ini("\xEF\xBB\xBF[RF]\r\nA=1\r\n");
    ASSERT_TRUE(ini.WriteString("RF", "B", "2"));
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[RF]\r\nA=1\r\nB=2\r\n");
}

}  // namespace
}  // namespace quorvel

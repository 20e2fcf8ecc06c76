#include "cli/cli_args.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {
namespace {

struct Parsed {
    bool ok;
    Request request;
    std::string error;
};

Parsed Parse(std::vector<std::string_view> args) {
    Parsed parsed;
    parsed.ok = ParseArguments(args, parsed.request, parsed.error);
    return parsed;
}

TEST(ParseArguments, ReadsPageSettingsAndOptionsInAnyPlace) {
    const Parsed p = Parse({"--json", "RF", "Ratio=2", "--settings", "a.cfg", "Watts=-3", "--save",
                            "--now=2006-02-14T12:00:01.250"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.request.mode, Mode::Page);
    EXPECT_EQ(p.request.page, "RF");
    ASSERT_EQ(p.request.settings.size(), 2u);
    EXPECT_EQ(p.request.settings[0].key, "Ratio");
    EXPECT_EQ(p.request.settings[0].value, "2");
    EXPECT_EQ(p.request.settings[1].value, "-3");
    EXPECT_EQ(p.request.settingsPath, "a.cfg");
    EXPECT_TRUE(p.request.save);
    EXPECT_TRUE(p.request.json);
    ASSERT_TRUE(p.request.now);
    EXPECT_EQ(p.request.now->second, 1);
    EXPECT_EQ(p.request.now->millisecond, 250);
}

TEST(ParseArguments, KeepsEverythingAfterTheFirstEqualsInTheValue) {
    const Parsed p = Parse({"Misc", "Key=a=b", "Empty="});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.request.settings[0].value, "a=b");
    EXPECT_EQ(p.request.settings[1].value, "");
}

TEST(ParseArguments, AttachesAnswersToTheActionBeforeThem) {
    const Parsed p =
        Parse({"RF", "--menu", "Parbolic Antenna Gain", "--answer", "6", "--answer", "-2250",
               "--check", "CheckBoxNonNrzlCode=yes", "--menu=Ratio To Db", "--cancel"});
    ASSERT_TRUE(p.ok) << p.error;
    const auto& actions = p.request.actions;
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[0].kind, Action::Kind::Menu);
    EXPECT_EQ(actions[0].control, "Parbolic Antenna Gain");
    ASSERT_EQ(actions[0].answers.size(), 2u);
    EXPECT_EQ(actions[0].answers[1].kind, Answer::Kind::Text);
    // A value that looks like an option is still the answer.
    EXPECT_EQ(actions[0].answers[1].text, "-2250");
    EXPECT_EQ(actions[1].kind, Action::Kind::Check);
    EXPECT_TRUE(actions[1].checked);
    EXPECT_TRUE(actions[1].answers.empty());
    EXPECT_EQ(actions[2].control, "Ratio To Db");
    ASSERT_EQ(actions[2].answers.size(), 1u);
    EXPECT_EQ(actions[2].answers[0].kind, Answer::Kind::Cancel);
}

TEST(ParseArguments, GroupsTypingIntoOneDialogAnswerUntilOkOrCancel) {
    const Parsed p = Parse({"RF", "--menu", "VSWR", "--type", "EditVswr=2", "--type",
                            "EditRefCoef=", "--ok", "--type", "EditVswr=3", "--cancel", "--ok"});
    ASSERT_TRUE(p.ok) << p.error;
    const auto& answers = p.request.actions.at(0).answers;
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].kind, Answer::Kind::Dialog);
    ASSERT_EQ(answers[0].typing.size(), 2u);
    EXPECT_EQ(answers[0].typing[1].box, "EditRefCoef");
    EXPECT_EQ(answers[0].typing[1].text, "");
    EXPECT_TRUE(answers[0].closeWithOk);
    EXPECT_EQ(answers[1].kind, Answer::Kind::Dialog);
    EXPECT_FALSE(answers[1].closeWithOk);
    EXPECT_EQ(answers[2].kind, Answer::Kind::Ok);
}

TEST(ParseArguments, ReadsControlActions) {
    const Parsed p = Parse({"Number", "--edit", "EditHex=0x1F", "--choose", "ComboBox1=3",
                            "--click", "RadioButton2", "--check", "CheckBoxX=No"});
    ASSERT_TRUE(p.ok) << p.error;
    const auto& actions = p.request.actions;
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_EQ(actions[0].kind, Action::Kind::Edit);
    EXPECT_EQ(actions[0].text, "0x1F");
    EXPECT_EQ(actions[1].index, 3);
    EXPECT_EQ(actions[2].kind, Action::Kind::Click);
    EXPECT_EQ(actions[2].control, "RadioButton2");
    EXPECT_FALSE(actions[3].checked);
}

TEST(ParseArguments, DoubleDashEndsTheOptions) {
    const Parsed p = Parse({"--json", "--", "--list"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.request.mode, Mode::Page);
    EXPECT_EQ(p.request.page, "--list");
}

TEST(ParseArguments, HelpAndVersionAnswerWhateverFollowsThem) {
    EXPECT_EQ(Parse({"RF", "Ratio=x", "--menu", "M", "-h", "--bogus"}).request.mode, Mode::Help);
    EXPECT_EQ(Parse({"RF", "--version", "--type", "A=1"}).request.mode, Mode::Version);
    // As the value of an option, or after "--", it is just text.
    const Parsed answer = Parse({"RF", "--menu", "M", "--answer", "-h"});
    ASSERT_TRUE(answer.ok) << answer.error;
    EXPECT_EQ(answer.request.actions[0].answers[0].text, "-h");
    EXPECT_EQ(Parse({"--", "--help"}).request.page, "--help");
    EXPECT_FALSE(Parse({"--help=x"}).ok);
}

TEST(ParseArguments, ReadsTheListingModes) {
    EXPECT_EQ(Parse({"--list"}).request.mode, Mode::List);
    const Parsed keys = Parse({"--keys", "pcm data"});
    ASSERT_TRUE(keys.ok);
    EXPECT_EQ(keys.request.mode, Mode::Keys);
    EXPECT_EQ(keys.request.page, "pcm data");
    EXPECT_EQ(Parse({"--commands=RF"}).request.mode, Mode::Commands);
}

struct Malformed {
    std::vector<std::string_view> args;
    std::string_view says;  // a part of the message
};

class MalformedCommandLine : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedCommandLine, IsRefusedWithAMessageSayingWhatIsWrong) {
    const Parsed p = Parse(GetParam().args);
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find(GetParam().says), std::string::npos) << p.error;
    EXPECT_EQ(p.error.find('\n'), std::string::npos) << "one line: " << p.error;
}

INSTANTIATE_TEST_SUITE_P(
    ParseArguments, MalformedCommandLine,
    ::testing::Values(
        Malformed{{}, "no page given"}, Malformed{{"--json"}, "no page given"},
        Malformed{{"Ratio=2"}, "the page comes first"},
        Malformed{{"RF", "Ratio"}, "settings are given as KEY=VALUE"},
        Malformed{{"RF", "=2"}, "no key in \"=2\""},
        Malformed{{"RF", "--bogus"}, "unknown option \"--bogus\""},
        Malformed{{"RF", "-x"}, "unknown option \"-x\""},
        Malformed{{"RF", "--json=yes"}, "--json takes no value"},
        Malformed{{"RF", "--settings"}, "--settings needs FILE"},
        Malformed{{"RF", "--settings", ""}, "--settings needs a file name"},
        Malformed{{"RF", "--settings", "a", "--settings", "b"}, "--settings is given twice"},
        Malformed{{"RF", "--save"}, "--save needs --settings FILE"},
        Malformed{{"RF", "--now", "2006-02-30T12:00:00"}, "is not a local date and time"},
        Malformed{{"RF", "--now", "x", "--now", "y"}, "is not a local date and time"},
        Malformed{{"RF", "--answer", "2"}, "answers nothing"},
        Malformed{{"RF", "--ok"}, "answers nothing"},
        Malformed{{"RF", "--menu", "X", "Ratio=2"}, "settings go before the first action"},
        Malformed{{"RF", "--menu", ""}, "--menu needs CAPTION"},
        Malformed{{"RF", "--check", "CheckBox"}, "\"CheckBox\" is not NAME=YES|NO"},
        Malformed{{"RF", "--check", "CheckBox=1"}, "set to YES or NO"},
        Malformed{{"RF", "--choose", "Combo=-1"}, "index from 0"},
        Malformed{{"RF", "--choose", "Combo=1x"}, "index from 0"},
        Malformed{{"RF", "--choose", "Combo=99999999999"}, "index from 0"},
        Malformed{{"RF", "--menu", "VSWR", "--type", "EditVswr"}, "needs BOX=TEXT"},
        Malformed{{"RF", "--menu", "VSWR", "--type", "EditVswr=2"}, "is not closed"},
        Malformed{{"RF", "--menu", "VSWR", "--type", "EditVswr=2", "--answer", "3"},
                  "close the dialog with --ok or --cancel first"},
        Malformed{{"RF", "--menu", "VSWR", "--type", "A=2", "--menu", "B", "--ok"},
                  "close the dialog"},
        Malformed{{"--list", "RF"}, "--list takes nothing else"},
        Malformed{{"--keys", "RF", "--json"}, "--keys takes nothing else"},
        Malformed{{"--list", "--commands", "RF"}, "cannot be combined with --list"},
        Malformed{{"--keys"}, "--keys needs PAGE"}, Malformed{{"RF", "--svg"}, "--svg needs FILE"},
        Malformed{{"RF", "--svg", ""}, "--svg needs a file name"},
        Malformed{{"RF", "--svg", "a.svg", "--svg=b.svg"}, "--svg is given twice"},
        Malformed{{"--list", "--svg", "a.svg"}, "--list takes nothing else"},
        Malformed{{"--batch", "RF", "--svg", "a.svg"}, "run it without --batch"}));

struct CalendarCase {
    std::string_view text;
    bool ok;
};

class CalendarText : public ::testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarText, AcceptsOnlyARealLocalDateAndTime) {
    CalendarReading reading;
    reading.year = 1234;
    EXPECT_EQ(ParseCalendarText(GetParam().text, reading), GetParam().ok);
    if (!GetParam().ok) {
        EXPECT_EQ(reading.year, 1234) << "left alone";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ParseCalendarText, CalendarText,
    ::testing::Values(
        CalendarCase{"2006-02-14T12:00:00.000", true}, CalendarCase{"2006-02-14T12:00:00", true},
        CalendarCase{"2004-02-29T23:59:59.999", true}, CalendarCase{"2005-02-29T00:00:00", false},
        CalendarCase{"2006-13-01T00:00:00", false}, CalendarCase{"2006-00-01T00:00:00", false},
        CalendarCase{"2006-01-01T24:00:00", false}, CalendarCase{"2006-01-01T12:60:00", false},
        CalendarCase{"2006-01-01T12:00:60", false}, CalendarCase{"0000-01-01T00:00:00", false},
        CalendarCase{"2006-01-01 12:00:00", false}, CalendarCase{"2006-01-01T12:00:00.5", false},
        CalendarCase{"2006-01-01T12:00:00,500", false}, CalendarCase{"+006-01-01T12:00:00", false},
        CalendarCase{"", false}));

TEST(ParseCalendarText, ReadsEveryField) {
    CalendarReading reading;
    ASSERT_TRUE(ParseCalendarText("1999-12-31T23:58:57.042", reading));
    EXPECT_EQ(reading.year, 1999);
    EXPECT_EQ(reading.month, 12);
    EXPECT_EQ(reading.day, 31);
    EXPECT_EQ(reading.hour, 23);
    EXPECT_EQ(reading.minute, 58);
    EXPECT_EQ(reading.second, 57);
    EXPECT_EQ(reading.millisecond, 42);
}

}  // namespace
}  // namespace quorvel::cli

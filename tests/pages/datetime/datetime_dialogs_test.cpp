#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/datetime/greg_date_prompt_dialog.h"
#include "pages/datetime/tod_prompt_dialog.h"
#include "support/dialog_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::ExpectDialogShape;
using testing::RecordingCues;
using testing::ScriptedInteraction;
using testing::TypeIntoBox;

// What a run of a dialog left behind: the box's text after the steps, the cues, the answer.
struct Outcome {
    std::string shown;
    std::vector<std::string> heard;
    bool accepted = false;
};

// Runs `dialog` through a scripted user who takes `steps` in box `box` and then presses OK
// (or Cancel); `run` starts the dialog on the caller's values.
template <typename Steps, typename RunDialog>
Outcome RunScripted(const char* box, Steps steps, bool ok, RunDialog run) {
    ScriptedInteraction ui;
    Outcome outcome;
    ui.OnDialog([&](DialogModel& dialog) {
        steps(dialog);
        outcome.shown = dialog.BoxText(box);
        ok ? dialog.Ok() : dialog.Cancel();
        return ok;
    });
    outcome.accepted = run(ui);
    outcome.heard = ui.recorded.heard;
    EXPECT_TRUE(ui.ScriptUsed());
    return outcome;
}

template <typename Steps>
Outcome RunTod(double& timeOfDay, Steps steps, bool ok = true) {
    return RunScripted("EditTod", steps, ok, [&](ScriptedInteraction& ui) {
        TTodPromptDlg dialog(ui.cues());
        return dialog.Run(ui, timeOfDay);
    });
}

Outcome TypeTod(double& timeOfDay, const std::string& text, bool ok = true) {
    return RunTod(
        timeOfDay, [&](DialogModel& dialog) { TypeIntoBox(dialog, "EditTod", text); }, ok);
}

struct Date {
    int day;
    int month;
    int year;
    bool operator==(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Date& d) {
    return out << d.month << "/" << d.day << "/" << d.year;
}

template <typename Steps>
Outcome RunGreg(Date& date, Steps steps, bool ok = true) {
    return RunScripted("EditGreg", steps, ok, [&](ScriptedInteraction& ui) {
        TGregDatePromptDlg dialog(ui.cues());
        return dialog.Run(ui, date.day, date.month, date.year);
    });
}

Outcome TypeGreg(Date& date, const std::string& text, bool ok = true) {
    return RunGreg(
        date, [&](DialogModel& dialog) { TypeIntoBox(dialog, "EditGreg", text); }, ok);
}

const std::vector<std::string> kNoCue;
const std::vector<std::string> kErrorCue{"error"};

// --- The time of day ---

TEST(TodPromptDlg, CaptionLabelAndBox) {
    RecordingCues cues;
    ExpectDialogShape(TTodPromptDlg(cues), "TTodPromptDlg", "Enter Time of Day  hh:mm:ss",
                      {{"EditTod", "Time Of Day"}});
}

TEST(TodPromptDlg, ShowsTheCallersTime) {
    double tod = 45296.0;
    const Outcome outcome = RunTod(tod, [](DialogModel&) {});
    EXPECT_EQ(outcome.shown, " 12:34:56");
}

TEST(TodPromptDlg, PassesDigitsAndItsSeparatorsOnly) {
    RecordingCues cues;
    TTodPromptDlg dialog(cues);
    for (char key : std::string("0123456789-./:_")) {
        EXPECT_TRUE(dialog.KeyPress("EditTod", key)) << key;
    }
    EXPECT_TRUE(cues.heard.empty());
    for (char key : std::string("a Z,+\b\x7f")) {
        EXPECT_FALSE(dialog.KeyPress("EditTod", key)) << int(key);
    }
    EXPECT_EQ(cues.Count("error"), 7);
}

TEST(TodPromptDlg, TypedLettersAndBackspaceChangeNothing) {
    double tod = 45296.0;
    const Outcome outcome = TypeTod(tod, "x\b");
    EXPECT_EQ(outcome.heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(outcome.shown, " 12:34:56");
    EXPECT_EQ(tod, 45296.0);
}

struct TodCase {
    const char* typed;
    double value;
    const char* shown;
};

class TodTextTest : public ::testing::TestWithParam<TodCase> {};

TEST_P(TodTextTest, ReadsLimitsAndRewrites) {
    const TodCase& c = GetParam();
    double tod = 100.0;
    const Outcome outcome = TypeTod(tod, c.typed);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.heard, kNoCue) << c.typed;
    EXPECT_EQ(tod, c.value) << c.typed;
    EXPECT_EQ(outcome.shown, c.shown) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TodTextTest,
    ::testing::Values(
        TodCase{"12:34:56", 45296, " 12:34:56"}, TodCase{"12.34.56", 45296, " 12:34:56"},
        TodCase{"12-34-56", 45296, " 12:34:56"}, TodCase{"12_34_56", 45296, " 12:34:56"},
        TodCase{"12/34/56", 45296, " 12:34:56"}, TodCase{"01:02:03", 3723, " 01:02:03"},
        TodCase{"1:2:03", 3723, " 01:02:03"}, TodCase{"00:00:00", 0, " 00:00:00"},
        // Too large parts are limited, not refused.
        TodCase{"12:34:567", 45299, " 12:34:59"}, TodCase{"12:99:00", 46740, " 12:59:00"},
        // 24 hours and more: the value counts past midnight, the box shows the
        // time past it.
        TodCase{"25:00:00", 86400, " 00:00:00"}, TodCase{"99:99:99999999999", 89999, " 00:59:59"}));

class TodRefusedTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TodRefusedTest, SoundsTheErrorAndKeepsTheTime) {
    double tod = 3600.5;
    const Outcome outcome = TypeTod(tod, GetParam());
    EXPECT_EQ(outcome.heard, kErrorCue) << GetParam();
    EXPECT_EQ(outcome.shown, " 01:00:01") << GetParam();  // rewritten from the time held
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(tod, 3600.5) << GetParam();
}

// Too short for three parts, or with a part left out.
INSTANTIATE_TEST_SUITE_P(Texts, TodRefusedTest,
                         ::testing::Values("1:2:3", "", "12:34", "12::3456", "123456",
                                           ":12:34:56"));

TEST(TodPromptDlg, CancelAfterAnEditLeavesTheCallerUntouched) {
    double tod = 100.0;
    const Outcome outcome = TypeTod(tod, "12:34:56", false);
    EXPECT_EQ(outcome.shown, " 12:34:56");  // the edit was read when the box was left
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(tod, 100.0);
}

TEST(TodPromptDlg, OkReadsTheTextInTheBox) {
    // Enter presses OK with the typed text still in the box.
    double tod = 100.0;
    RunTod(tod, [](DialogModel& dialog) { dialog.SetBoxText("EditTod", "12:00:00"); });
    EXPECT_EQ(tod, 43200.0);

    // A text too short is refused there too; OK still closes the dialog.
    tod = 100.0;
    const Outcome refused =
        RunTod(tod, [](DialogModel& dialog) { dialog.SetBoxText("EditTod", "1:2:3"); });
    EXPECT_EQ(refused.heard, kErrorCue);
    EXPECT_TRUE(refused.accepted);
    EXPECT_EQ(tod, 100.0);
}

TEST(TodPromptDlg, OkDoesNotReadTheDialogsOwnTextAgain) {
    // The untouched box keeps the milliseconds its text rounds away...
    double tod = 45296.7;
    RunTod(tod, [](DialogModel&) {});
    EXPECT_EQ(tod, 45296.7);
    // ... and 25:00:00, shown as " 00:00:00", comes back as 86400, not 0.
    TypeTod(tod, "25:00:00");
    EXPECT_EQ(tod, 86400.0);
}

// --- The Gregorian date ---

TEST(GregDatePromptDlg, CaptionLabelAndBox) {
    RecordingCues cues;
    ExpectDialogShape(TGregDatePromptDlg(cues), "TGregDatePromptDlg",
                      "Enter Gregorian Date xx/xx/xx or xx/xx/xxxx",
                      {{"EditGreg", "Gregorian Date"}});
}

TEST(GregDatePromptDlg, PassesDigitsAndItsSeparatorsButNoColon) {
    RecordingCues cues;
    TGregDatePromptDlg dialog(cues);
    for (char key : std::string("0123456789-./_")) {
        EXPECT_TRUE(dialog.KeyPress("EditGreg", key)) << key;
    }
    EXPECT_TRUE(cues.heard.empty());
    for (char key : std::string(":a\b ")) {
        EXPECT_FALSE(dialog.KeyPress("EditGreg", key)) << int(key);
    }
    EXPECT_EQ(cues.Count("error"), 4);
}

TEST(GregDatePromptDlg, ATypedColonIsDropped) {
    Date date{14, 2, 2006};
    const Outcome outcome = TypeGreg(date, "03:01:2006");
    // The colons never reach the box: "03012006" is read as month 03, day 12, year 06.
    EXPECT_EQ(outcome.heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(date, (Date{12, 3, 2006}));
}

struct GregCase {
    const char* typed;
    Date held;
    Date read;
    const char* shown;
};

class GregTextTest : public ::testing::TestWithParam<GregCase> {};

TEST_P(GregTextTest, ReadsLimitsAndRewrites) {
    const GregCase& c = GetParam();
    Date date = c.held;
    const Outcome outcome = TypeGreg(date, c.typed);
    EXPECT_EQ(outcome.heard, kNoCue) << c.typed;
    EXPECT_EQ(date, c.read) << c.typed;
    EXPECT_EQ(outcome.shown, c.shown) << c.typed;
}

constexpr Date kValentines{14, 2, 2006};

INSTANTIATE_TEST_SUITE_P(
    Texts, GregTextTest,
    ::testing::Values(GregCase{"2/3/06", kValentines, {3, 2, 2006}, "02/03/2006"},
                      GregCase{"2-3-2006", kValentines, {3, 2, 2006}, "02/03/2006"},
                      GregCase{"2.3.2006", kValentines, {3, 2, 2006}, "02/03/2006"},
                      GregCase{"2_3_2006", kValentines, {3, 2, 2006}, "02/03/2006"},
                      GregCase{"1/1/01", kValentines, {1, 1, 2001}, "01/01/2001"},
                      // "20" goes in front of a year of one or two digits only.
                      GregCase{"01/01/6", kValentines, {1, 1, 206}, "01/01/0206"},
                      GregCase{"01/01/999", kValentines, {1, 1, 999}, "01/01/0999"},
                      // Limits: year 0..2055, month 1..12, day 1..31 and then the month's length.
                      GregCase{"12/31/99", kValentines, {31, 12, 2055}, "12/31/2055"},
                      GregCase{"00/00/00", kValentines, {1, 1, 2000}, "01/01/2000"},
                      GregCase{"13/40/2006", kValentines, {31, 12, 2006}, "12/31/2006"},
                      GregCase{"04/31/2006", kValentines, {30, 4, 2006}, "04/30/2006"},
                      // February by the full leap rule.
                      GregCase{"02/29/2004", kValentines, {29, 2, 2004}, "02/29/2004"},
                      GregCase{"02/29/2006", kValentines, {28, 2, 2006}, "02/28/2006"},
                      GregCase{"02/29/2000", kValentines, {29, 2, 2000}, "02/29/2000"},
                      GregCase{"02/29/1900", kValentines, {28, 2, 1900}, "02/28/1900"},
                      // A month or day left out keeps the value held, still limited to the month.
                      GregCase{"/5/2006", {14, 7, 2006}, {5, 7, 2006}, "07/05/2006"},
                      GregCase{"3//2006", {31, 1, 2006}, {31, 3, 2006}, "03/31/2006"},
                      GregCase{"2//2006", {31, 1, 2006}, {28, 2, 2006}, "02/28/2006"},
                      // A month held outside 1..12 and left out allows 31 days.
                      GregCase{"/45/2006", {14, 13, 2006}, {31, 13, 2006}, "13/31/2006"},
                      GregCase{"/00/2006", {14, 0, 2006}, {1, 0, 2006}, "00/01/2006"}));

TEST(GregDatePromptDlg, TooShortTextIsRefused) {
    Date date = kValentines;
    const Outcome outcome = TypeGreg(date, "1/1/1");
    EXPECT_EQ(outcome.heard, kErrorCue);
    EXPECT_EQ(outcome.shown, "02/14/2006");
    EXPECT_EQ(date, kValentines);
}

TEST(GregDatePromptDlg, CancelAfterAnEditLeavesTheCallerUntouched) {
    Date date = kValentines;
    const Outcome outcome = TypeGreg(date, "12/25/2010", false);
    EXPECT_EQ(outcome.shown, "12/25/2010");
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(date, kValentines);
}

TEST(GregDatePromptDlg, OkReadsTheTextInTheBox) {
    Date date = kValentines;
    const Outcome outcome =
        RunGreg(date, [](DialogModel& dialog) { dialog.SetBoxText("EditGreg", "7/4/76"); });
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(date, (Date{4, 7, 2055}));
}

TEST(GregDatePromptDlg, HeldValuesOutsideTheLimitsShowAsTheyAre) {
    // A settings file may hold anything: the box shows it whole, and OK on the untouched box
    // hands it back unchanged.
    Date date{45, 13, 12345};
    const Outcome outcome = RunGreg(date, [](DialogModel&) {});
    EXPECT_EQ(outcome.shown, "13/45/12345");
    EXPECT_EQ(date, (Date{45, 13, 12345}));

    Date negative{-1, 2, -5};
    EXPECT_EQ(RunGreg(negative, [](DialogModel&) {}).shown, "02/-1/-5");
}

}  // namespace
}  // namespace quorvel

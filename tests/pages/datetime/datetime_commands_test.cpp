// The Date/Time page's three commands: the Gregorian date dialog, the Julian date prompt read
// back from its label, and the time-of-day dialog read back from its text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/datetime/datetime_page.h"
#include "pages/datetime/datetime_page_test.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::MadeAt;
using testing::ScriptedInteraction;
using testing::Shown;
using testing::TypeIntoBox;
using testing::Valentines2006;

// Answers the next dialog: types `text` into `box` (unless it is null), then OK or Cancel.
void TypeThen(ScriptedInteraction& ui, const char* box, const char* text, bool ok) {
    ui.OnDialog([box, text, ok](DialogModel& dialog) {
        if (text != nullptr) {
            TypeIntoBox(dialog, box, text);
        }
        ok ? dialog.Ok() : dialog.Cancel();
        return ok;
    });
}

void RunMenu(DateTimePageModel& page, ScriptedInteraction& ui, const char* caption) {
    ASSERT_TRUE(page.RunMenuCommand({"PopupMenu1", caption}, ui)) << caption;
    EXPECT_TRUE(ui.ScriptUsed());
}

// Toy = Doy x 86400 + Tod, which every command keeps.
void ExpectTimeOfYearKept(const DateTimePageModel& page) {
    const DateTimeValues& v = page.Values();
    EXPECT_EQ(v.toy, v.doy * 86400.0 + v.tod);
}

// --- Edit Gregorian Date ---

TEST(DateTimeGregorianDate, TypedDateSetsTheDayOfYear) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditGreg", "02/29/2004", true);
    RunMenu(page, ui, "Edit Gregorian Date");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/29/2004");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "4060");
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), "YES");
    EXPECT_EQ(Shown(page, "LabelMonth"), "Feb");
    // The time of day stays, milliseconds and all.
    EXPECT_EQ(page.Values().tod, 49530.25);
    EXPECT_EQ(Shown(page, "LabelToy"), "059 13:45:30  (5147130 Seconds)");
    // 2004-02-29 00:00:00 is 1078012800.
    EXPECT_EQ(Shown(page, "Label1970"), "1078062330 Seconds");
    ExpectTimeOfYearKept(page);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(DateTimeGregorianDate, MarchFirstOfACenturyYearStaysMarchFirst) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditGreg", "03/01/1900", true);
    RunMenu(page, ui, "Edit Gregorian Date");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "03/01/1900");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "60");
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), "NO");
}

TEST(DateTimeGregorianDate, CancelKeepsTheDateButRecomputesTheDayOfYear) {
    // A saved page whose day of year does not agree with its date.
    DateTimePageModel page =
        MadeAt(Valentines2006(), "[DateTime]\nYr=2006\nMo=3\nDom=1\nDoy=10\nTod=0\n");
    ScriptedInteraction ui;
    TypeThen(ui, "EditGreg", "12/25/2010", false);
    RunMenu(page, ui, "Edit Gregorian Date");
    const DateTimeValues& v = page.Values();
    EXPECT_EQ(v.yr, 2006);
    EXPECT_EQ(v.mo, 3);
    EXPECT_EQ(v.dom, 1);
    EXPECT_EQ(v.doy, 60);
    ExpectTimeOfYearKept(page);
    EXPECT_EQ(Shown(page, "LabelGregDate"), "03/01/2006");
}

TEST(DateTimeGregorianDate, DialogStartsFromTheDateHeld) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    std::string caption;
    std::string shown;
    ui.OnDialog([&](DialogModel& dialog) {
        caption = dialog.Caption();
        shown = dialog.BoxText("EditGreg");
        dialog.Ok();
        return true;
    });
    RunMenu(page, ui, "Edit Gregorian Date");
    EXPECT_EQ(caption, "Enter Gregorian Date xx/xx/xx or xx/xx/xxxx");
    EXPECT_EQ(shown, "02/14/2006");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/14/2006");
}

// --- Edit Julian Date ---

struct JulianCase {
    const char* answer;
    const char* date;
    const char* month;
    const char* julian;
    int year;
    int dayOfYear;
};

class DateTimeJulianDate : public ::testing::TestWithParam<JulianCase> {};

TEST_P(DateTimeJulianDate, AcceptedValueNamesTheYearDigitAndTheDay) {
    const JulianCase& c = GetParam();
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    ui.Answer(c.answer);
    RunMenu(page, ui, "Edit Julian Date");
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between 0 & 9366");
    EXPECT_EQ(ui.boxes[0].prompt, "Enter Julian Date");
    EXPECT_EQ(ui.boxes[0].defaultText, "6045");
    EXPECT_EQ(page.Values().yr, c.year) << c.answer;
    EXPECT_EQ(page.Values().doy, c.dayOfYear) << c.answer;
    EXPECT_EQ(Shown(page, "LabelGregDate"), c.date) << c.answer;
    EXPECT_EQ(Shown(page, "LabelMonth"), c.month) << c.answer;
    EXPECT_EQ(Shown(page, "LabelJulianDate"), c.julian) << c.answer;
    EXPECT_EQ(page.Values().tod, 49530.25);
    ExpectTimeOfYearKept(page);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DateTimeJulianDate,
    ::testing::Values(JulianCase{"6100", "04/10/2006", "Apr", "6100", 2006, 100},
                      JulianCase{"45", "02/14/2000", "Feb", "45", 2000, 45},
                      JulianCase{"4366", "12/31/2004", "Dec", "4366", 2004, 366},
                      // Day 366 of a common year shows as its last day.
                      JulianCase{"9366", "12/31/2009", "Dec", "9366", 2009, 366},
                      // Day 0 is limited to day 1.
                      JulianCase{"3000", "01/01/2003", "Jan", "3001", 2003, 1},
                      JulianCase{"0x10", "01/16/2000", "Jan", "16", 2000, 16}));

TEST(DateTimeJulianDateLimits, ValueBeyondTheBoundsIsMovedWithTheWarning) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    ui.Answer("9999");
    RunMenu(page, ui, "Edit Julian Date");
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "9366");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "12/31/2009");
}

TEST(DateTimeJulianDateLimits, CancelledEditMovesA1999DateInto2009) {
    DateTimePageModel page = MadeAt(
        Valentines2006(), "[DateTime]\nYr=1999\nMo=3\nDom=1\nDoy=60\nToy=5227200\nTod=43200\n");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "9060");
    ScriptedInteraction ui;
    ui.Cancel();
    RunMenu(page, ui, "Edit Julian Date");
    const DateTimeValues& v = page.Values();
    EXPECT_EQ(v.yr, 2009);
    EXPECT_EQ(v.doy, 60);
    EXPECT_EQ(v.mo, 3);
    EXPECT_EQ(v.dom, 1);
    EXPECT_EQ(v.tod, 43200.0);
    EXPECT_EQ(Shown(page, "LabelGregDate"), "03/01/2009");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "9060");
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(DateTimeJulianDateLimits, UnreadableAnswerReadsBackTheDateShown) {
    // The prompt refuses the text; the label still holds the date shown before, and that is
    // read back: the year moves by its last digit as after Cancel.
    DateTimePageModel page = MadeAt(Valentines2006(), "[DateTime]\nYr=1996\n");
    ScriptedInteraction ui;
    ui.Answer("6100x");
    RunMenu(page, ui, "Edit Julian Date");
    EXPECT_EQ(page.Values().yr, 2006);
    EXPECT_EQ(page.Values().doy, 45);
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/14/2006");
}

TEST(DateTimeJulianDateLimits, HugeDayOfYearFromTheSettingsIsLimited) {
    DateTimePageModel page = MadeAt(Valentines2006(), "[DateTime]\nDoy=2147483647\n");
    ScriptedInteraction ui;
    ui.Cancel();
    RunMenu(page, ui, "Edit Julian Date");
    // The prompt starts from the largest number it holds and moves it into its bounds.
    EXPECT_EQ(ui.boxes.at(0).defaultText, "2147483647");
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
    EXPECT_EQ(page.Values().yr, 2009);
    EXPECT_EQ(page.Values().doy, 366);
}

// --- Edit Time Of Day ---

TEST(DateTimeTimeOfDay, TwentyFourHundredWrapsToMidnightOfTheSameDate) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", "24:00:00", true);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 00:00:00");
    EXPECT_EQ(Shown(page, "LabelTod"), "(0 Seconds)");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/14/2006");
    EXPECT_EQ(Shown(page, "LabelToy"), "044 00:00:00  (3801600 Seconds)");
    EXPECT_EQ(Shown(page, "LabelIrigToy"), "3888000 Seconds");
    EXPECT_EQ(page.Values().tod, 0.0);
    ExpectTimeOfYearKept(page);
}

TEST(DateTimeTimeOfDay, PastTwentyFourHoursKeepsTheTimePastMidnight) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", "24:30:15", true);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(page.Values().tod, 1815.0);
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 00:30:15");
    EXPECT_EQ(page.Values().doy, 45);
}

TEST(DateTimeTimeOfDay, TypedTimeIsTaken) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", "12:34:567", true);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(page.Values().tod, 45299.0);
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 12:34:59");
    EXPECT_EQ(Shown(page, "LabelTod"), "(45299 Seconds)");
    ExpectTimeOfYearKept(page);
}

TEST(DateTimeTimeOfDay, TimeIsWholeSecondsAfterAnEditEvenWhenCancelled) {
    for (const bool ok : {true, false}) {
        DateTimePageModel page = MadeAt(Valentines2006());
        ASSERT_EQ(page.Values().tod, 49530.25);
        ScriptedInteraction ui;
        TypeThen(ui, "EditTod", nullptr, ok);
        RunMenu(page, ui, "Edit Time Of Day");
        EXPECT_EQ(page.Values().tod, 49530.0) << ok;
        EXPECT_EQ(page.Values().toy, 45 * 86400.0 + 49530.0) << ok;
    }
}

TEST(DateTimeTimeOfDay, RoundedSixtySecondsReadBackAsFiftyNine) {
    // 59.7 seconds show as "60", which the read-back limits to 59.
    DateTimePageModel page = MadeAt(Valentines2006(), "[DateTime]\nTod=59.7\n");
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", nullptr, false);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(page.Values().tod, 59.0);
}

TEST(DateTimeTimeOfDay, TimeOutsideAnyDayReadsBackAsMidnight) {
    DateTimePageModel page = MadeAt(Valentines2006(), "[DateTime]\nTod=-5\nDoy=10\n");
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", nullptr, false);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(page.Values().tod, 0.0);
    EXPECT_EQ(page.Values().toy, 864000.0);
}

TEST(DateTimeTimeOfDay, RefusedTextSoundsTheErrorAndKeepsTheTime) {
    DateTimePageModel page = MadeAt(Valentines2006());
    ScriptedInteraction ui;
    TypeThen(ui, "EditTod", "1:2:3", true);
    RunMenu(page, ui, "Edit Time Of Day");
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"error"});
    EXPECT_EQ(page.Values().tod, 49530.0);
}

}  // namespace
}  // namespace quorvel

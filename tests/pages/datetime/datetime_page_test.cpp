// The Date/Time page's creation from the clock, its settings section and its display list.
#include "pages/datetime/datetime_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/datetime/datetime_page_test.h"
#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "support/fake_clock.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::MadeAt;
using testing::Shown;
using testing::Valentines2006;

TEST(DateTimePage, IsTheFourthPageOfTheRegistryAndReadsItsClock) {
    FakeClock clock(Valentines2006());
    const auto page = MakePageModel(3, clock);
    ASSERT_NE(dynamic_cast<DateTimePageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "DateTime");
    EXPECT_EQ(page->TabCaption(), "Date/Time");
    EXPECT_EQ(page->PageCaption(), "Date/Time Functions");
    EXPECT_EQ(Shown(*page, "LabelTodHms"), " 13:45:30");
}

TEST(DateTimePage, CreatedOnValentinesDay2006WithoutASection) {
    const DateTimePageModel page = MadeAt(Valentines2006());
    const DisplayList expected{
        {"LabelIsLeapYear", "NO"},
        {"LabelMonth", "Feb"},
        {"LabelGregDate", "02/14/2006"},
        {"LabelJulianDate", "6045"},
        {"LabelTod", "(49530 Seconds)"},
        {"LabelTodHms", " 13:45:30"},
        {"LabelToy", "044 13:45:30  (3851130 Seconds)"},
        {"LabelIrigToy", "3937530 Seconds"},
        {"Label1970", "1139924730 Seconds"},
        {"Label1958", "1518615930 Seconds"},
    };
    EXPECT_EQ(page.Display(), expected);
    // The milliseconds are kept, though no label shows them.
    const DateTimeValues& v = page.Values();
    EXPECT_EQ(v.tod, 49530.25);
    EXPECT_EQ(v.toy, 45 * 86400 + 49530.25);
    EXPECT_EQ(v.yr, 2006);
    EXPECT_EQ(v.mo, 2);
    EXPECT_EQ(v.dom, 14);
    EXPECT_EQ(v.doy, 45);
    // A section without any of the page's keys changes nothing.
    EXPECT_EQ(MadeAt(Valentines2006(), "[DateTime]\nOther=1\n").Display(), expected);
}

TEST(DateTimePage, JanuaryFirstAtMidnightIsDayZeroFromTheStartAndOneDayInIrig) {
    const DateTimePageModel page = MadeAt(CalendarReading{2006, 1, 1, 0, 0, 0, 0});
    EXPECT_EQ(Shown(page, "LabelToy"), "000 00:00:00  (0 Seconds)");
    EXPECT_EQ(Shown(page, "LabelIrigToy"), "86400 Seconds");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "01/01/2006");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "6001");
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 00:00:00");
    EXPECT_EQ(Shown(page, "LabelTod"), "(0 Seconds)");
    EXPECT_EQ(Shown(page, "Label1970"), "1136073600 Seconds");
    EXPECT_EQ(Shown(page, "Label1958"), "1514764800 Seconds");
    EXPECT_EQ(Shown(page, "LabelMonth"), "Jan");
}

TEST(DateTimePage, LastMomentOfALeapYear) {
    const DateTimePageModel page = MadeAt(CalendarReading{2004, 12, 31, 23, 59, 59, 999});
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), "YES");
    EXPECT_EQ(Shown(page, "LabelGregDate"), "12/31/2004");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "4366");
    // Rounded seconds, as the text forms round them.
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 23:59:60");
    EXPECT_EQ(Shown(page, "LabelTod"), "(86400 Seconds)");
    EXPECT_EQ(Shown(page, "LabelToy"), "365 23:59:60  (31622400 Seconds)");
    EXPECT_EQ(Shown(page, "LabelIrigToy"), "31708800 Seconds");
    // 2005-01-01 00:00:00 is 1104537600.
    EXPECT_EQ(Shown(page, "Label1970"), "1104537600 Seconds");
}

struct FarMoment {
    CalendarReading now;
    const char* date;
    const char* timeOfDay;
    const char* leapYear;
};

class DateTimePageFarYears : public ::testing::TestWithParam<FarMoment> {};

// A clock that reads a year far from 1970 (a system clock set ahead, or --now) makes the
// page on that very date and time.
TEST_P(DateTimePageFarYears, MadeOnTheClocksOwnDate) {
    const DateTimePageModel page = MadeAt(GetParam().now);
    EXPECT_EQ(Shown(page, "LabelGregDate"), GetParam().date);
    EXPECT_EQ(Shown(page, "LabelTodHms"), GetParam().timeOfDay);
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), GetParam().leapYear);
}

INSTANTIATE_TEST_SUITE_P(
    Years, DateTimePageFarYears,
    ::testing::Values(FarMoment{{1, 1, 1, 0, 0, 0, 0}, "01/01/1", " 00:00:00", "NO"},
                      FarMoment{{2100, 2, 28, 6, 30, 0, 0}, "02/28/2100", " 06:30:00", "NO"},
                      FarMoment{{2400, 12, 1, 19, 3, 18, 1}, "12/01/2400", " 19:03:18", "YES"},
                      FarMoment{{9999, 12, 31, 23, 59, 58, 0}, "12/31/9999", " 23:59:58", "NO"}));

TEST(DateTimePage, KeysAreTheSixFieldsInLoadOrder) {
    const DateTimePageModel page = MadeAt(Valentines2006());
    const std::vector<SettingKey> expected{
        {"Tod", SettingType::Real}, {"Toy", SettingType::Real}, {"Yr", SettingType::Int},
        {"Mo", SettingType::Int},   {"Dom", SettingType::Int},  {"Doy", SettingType::Int},
    };
    EXPECT_EQ(std::vector<SettingKey>(page.SettingKeys().begin(), page.SettingKeys().end()),
              expected);
}

TEST(DateTimePage, LoadsTheSavedValuesWithoutRecomputing) {
    // Fields that do not agree with each other: each label shows the field it is made of.
    const DateTimePageModel page = MadeAt(
        Valentines2006(), "[DateTime]\nTod=3661.5\nToy=8726400\nYr=2004\nMo=7\nDom=4\nDoy=200\n");
    const DateTimeValues& v = page.Values();
    EXPECT_EQ(v.tod, 3661.5);
    EXPECT_EQ(v.toy, 8726400.0);
    EXPECT_EQ(v.yr, 2004);
    EXPECT_EQ(v.mo, 7);
    EXPECT_EQ(v.dom, 4);
    EXPECT_EQ(v.doy, 200);
    EXPECT_EQ(Shown(page, "LabelGregDate"), "04/10/2004");  // day 101 of Toy
    EXPECT_EQ(Shown(page, "LabelMonth"), "Jul");            // from Mo
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "4200");      // from Doy
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 01:01:02");     // 1.5 seconds rounded
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), "YES");
}

TEST(DateTimePage, MissingKeysKeepTheClocksValues) {
    const DateTimePageModel page = MadeAt(Valentines2006(), "[DateTime]\nYr=1999\nMo=bad\n");
    EXPECT_EQ(page.Values().yr, 1999);
    EXPECT_EQ(page.Values().mo, 2);
    EXPECT_EQ(page.Values().tod, 49530.25);
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/14/1999");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "9045");
}

TEST(DateTimePage, SavesTheSixKeysInOrderAndReadsThemBack) {
    const DateTimePageModel page = MadeAt(Valentines2006());
    IniText store;
    page.SaveSettings(store);
    const std::string& text = store.Text();
    std::size_t at = 0;
    for (const char* line :
         {"Tod=49530.250000000", "Toy=3937530.250000000", "Yr=2006", "Mo=2", "Dom=14", "Doy=45"}) {
        const std::size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " in\n" << text;
        at = found;
    }
    FakeClock other(CalendarReading{1990, 6, 1, 0, 0, 0, 0});
    DateTimePageModel reloaded(other);
    reloaded.LoadSettings(store);
    EXPECT_EQ(reloaded.Display(), page.Display());
}

// A month outside 0..12 has no name of its own; it never reaches past the month table.
class MonthNameTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MonthNameTest, MonthOutsideTheTableShowsUnk) {
    const DateTimePageModel page =
        MadeAt(Valentines2006(), std::string("[DateTime]\nMo=") + GetParam() + "\n");
    EXPECT_EQ(Shown(page, "LabelMonth"), "Unk") << GetParam();
    EXPECT_EQ(Shown(page, "LabelGregDate"), "02/14/2006");  // the date comes from Toy
}

INSTANTIATE_TEST_SUITE_P(Months, MonthNameTest,
                         ::testing::Values("0", "13", "-1", "2147483647", "-2147483648"));

TEST(DateTimePage, DayOfYearBeyondTheYearsEndShowsTheLastOfDecember) {
    const DateTimePageModel common =
        MadeAt(Valentines2006(), "[DateTime]\nToy=31622400\nDoy=366\n");
    EXPECT_EQ(Shown(common, "LabelGregDate"), "12/31/2006");
    EXPECT_EQ(Shown(common, "LabelJulianDate"), "6366");
    const DateTimePageModel far = MadeAt(Valentines2006(), "[DateTime]\nToy=86400000\n");
    EXPECT_EQ(Shown(far, "LabelGregDate"), "12/31/2006");
}

TEST(DateTimePage, ExtremeSettingsShowWithoutOverflow) {
    // Every int field at its limits, times beyond any year: each label still shows a text of
    // its own width, and the Julian date adds the year digit to the day without overflowing.
    const DateTimePageModel page =
        MadeAt(Valentines2006(),
               "[DateTime]\nTod=-1\nToy=1E300\nYr=-2147483648\nMo=-5\nDom=2147483647\n"
               "Doy=2147483647\n");
    EXPECT_EQ(Shown(page, "LabelJulianDate"), "2147485647");
    EXPECT_EQ(Shown(page, "LabelTodHms"), " 00:00:00");
    EXPECT_EQ(Shown(page, "LabelTod"), "(-1 Seconds)");
    EXPECT_EQ(Shown(page, "LabelMonth"), "Unk");
    EXPECT_EQ(Shown(page, "LabelIsLeapYear"), "YES");
    EXPECT_EQ(Shown(page, "LabelToy").substr(0, 14), "000 00:00:00  ");
    for (const DisplayItem& item : page.Display()) {
        EXPECT_FALSE(item.text.empty()) << item.name;
        EXPECT_LE(item.text.size(), 40U) << item.name << ": " << item.text;
    }
}

TEST(DateTimePage, MenuHoldsTheThreeNamedCommands) {
    const DateTimePageModel page = MadeAt(Valentines2006());
    const std::vector<PopupMenu> menus = page.Menus();
    ASSERT_EQ(menus.size(), 1U);
    EXPECT_EQ(menus[0].name, "PopupMenu1");
    EXPECT_FALSE(menus[0].actsOnPopup);
    const std::vector<MenuItem> expected{
        {MenuItem::Kind::Command, "Edit Gregorian Date", "EditGregorianDate1", "", 0, false},
        {MenuItem::Kind::Command, "Edit Julian Date", "EditJulianDate1", "", 1, false},
        {MenuItem::Kind::Command, "Edit Time Of Day", "EditTimeOfDay1", "", 2, false},
    };
    EXPECT_EQ(menus[0].items, expected);
}

}  // namespace
}  // namespace quorvel

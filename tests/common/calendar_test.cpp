#include "common/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvel {
namespace {

TEST(IsLeapYearTest, GregorianRule) {
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(-4));
    EXPECT_TRUE(IsLeapYear(-400));
    EXPECT_FALSE(IsLeapYear(2006));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(-100));
}

struct DayOfYearCase {
    int year, month, day;
    int expected;
};

class DayOfYearTest : public ::testing::TestWithParam<DayOfYearCase> {};

TEST_P(DayOfYearTest, Counts) {
    const auto& c = GetParam();
    EXPECT_EQ(DayOfYear(c.year, c.month, c.day), c.expected)
        << c.year << "-" << c.month << "-" << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DayOfYearTest,
    ::testing::Values(DayOfYearCase{2006, 1, 1, 1}, DayOfYearCase{2006, 3, 1, 60},
                      DayOfYearCase{2004, 3, 1, 61}, DayOfYearCase{2006, 12, 31, 365},
                      DayOfYearCase{2004, 12, 31, 366}, DayOfYearCase{2004, 2, 29, 60},
                      // Days too large for their month become the 1st of the month.
                      DayOfYearCase{2006, 2, 29, 32}, DayOfYearCase{2006, 4, 31, 91},
                      DayOfYearCase{2006, 1, 32, 1}, DayOfYearCase{2006, 7, 32, 182},
                      // A month above 12 counts as January; so does one below 1.
                      DayOfYearCase{2006, 13, 5, 5}, DayOfYearCase{2006, 0, 5, 5},
                      DayOfYearCase{2006, -7, 5, 5},
                      DayOfYearCase{2006, std::numeric_limits<int>::min(), 5, 5},
                      // The full leap rule: 1900 and 2100 have no February 29, 2000 has.
                      DayOfYearCase{1900, 3, 1, 60}, DayOfYearCase{2100, 3, 1, 60},
                      DayOfYearCase{2100, 2, 29, 32}, DayOfYearCase{2000, 3, 1, 61},
                      // Days below 1 are not corrected.
                      DayOfYearCase{2006, 1, 0, 0}, DayOfYearCase{2006, 3, -1, 58}));

TEST(DayOfYearToMonthDayTest, WalksTheMonths) {
    struct Case {
        int year, dayOfYear, month, day;
    };
    for (const Case& c : {Case{2006, 60, 3, 1}, Case{2004, 60, 2, 29}, Case{2006, 365, 12, 31},
                          Case{2004, 366, 12, 31}, Case{1900, 61, 3, 2}, Case{2006, 1, 1, 1},
                          Case{2006, 31, 1, 31}, Case{2006, 32, 2, 1},
                          // Day 0 and below keep their number as January's day.
                          Case{2006, 0, 1, 0}, Case{2006, -3, 1, -3},
                          // Beyond the end of the year: the last day of December.
                          Case{2006, 366, 12, 31}, Case{2004, 367, 12, 31},
                          Case{2006, std::numeric_limits<int>::max(), 12, 31}}) {
        const MonthDay md = DayOfYearToMonthDay(c.year, c.dayOfYear);
        EXPECT_EQ(md.month, c.month) << c.year << " day " << c.dayOfYear;
        EXPECT_EQ(md.day, c.day) << c.year << " day " << c.dayOfYear;
    }
}

TEST(DayOfYearToMonthDayTest, InvertsDayOfYearForEveryDayOfLeapAndCommonYears) {
    // The centuries too: 1 March 1900 and 2100 come back as 03/01, not 03/02.
    for (int year : {1900, 2000, 2004, 2006, 2100}) {
        const int length = IsLeapYear(year) ? 366 : 365;
        for (int n = 1; n <= length; ++n) {
            const MonthDay md = DayOfYearToMonthDay(year, n);
            EXPECT_EQ(DayOfYear(year, md.month, md.day), n) << year << " day " << n;
        }
    }
}

TEST(SplitSecondsTest, SplitsIntoDaysHoursMinutesSeconds) {
    const TimeParts parts = SplitSeconds(90061.5);
    EXPECT_TRUE(parts.valid);
    EXPECT_EQ(parts.days, 1);
    EXPECT_EQ(parts.hours, 1);
    EXPECT_EQ(parts.minutes, 1);
    EXPECT_EQ(parts.seconds, 1.5);
}

TEST(SplitSecondsTest, ExactMultiplesSplitExactly) {
    const TimeParts day = SplitSeconds(86400.0);
    EXPECT_EQ(day.days, 1);
    EXPECT_EQ(day.hours, 0);
    EXPECT_EQ(day.minutes, 0);
    EXPECT_EQ(day.seconds, 0.0);

    const TimeParts limit = SplitSeconds(kMaxTimeOfYear);
    EXPECT_TRUE(limit.valid);
    EXPECT_EQ(limit.days, 367);
    EXPECT_EQ(limit.seconds, 0.0);

    // Just below a whole day never gives a negative remainder.
    const TimeParts below = SplitSeconds(std::nextafter(86400.0, 0.0));
    EXPECT_EQ(below.days, 0);
    EXPECT_EQ(below.hours, 23);
    EXPECT_EQ(below.minutes, 59);
    EXPECT_GT(below.seconds, 59.99);
    EXPECT_LT(below.seconds, 60.0);
}

TEST(SplitSecondsTest, OutsideTheRangeGivesZerosAndFalse) {
    for (double x : {-1.0, 31708801.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        const TimeParts parts = SplitSeconds(x);
        EXPECT_FALSE(parts.valid) << x;
        EXPECT_EQ(parts.days + parts.hours + parts.minutes, 0) << x;
        EXPECT_EQ(parts.seconds, 0.0) << x;
    }
}

TEST(JulianDateTest, LastYearDigitThenDayOfYear) {
    EXPECT_EQ(JulianDate(2006, 45), 6045);
    EXPECT_EQ(JulianDate(2009, 365), 9365);
    EXPECT_EQ(JulianDate(2000, 7), 7);
    EXPECT_EQ(JulianDate(2010, 45), 45);
    EXPECT_EQ(JulianDate(-3, 1), 7001);
}

TEST(DaysInMonthTest, FebruaryByTheFullRuleAndNothingOutsideTheYear) {
    EXPECT_EQ(DaysInMonth(2006, 1), 31);
    EXPECT_EQ(DaysInMonth(2006, 4), 30);
    EXPECT_EQ(DaysInMonth(2006, 12), 31);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2006, 0), 0);
    EXPECT_EQ(DaysInMonth(2006, 13), 0);
}

TEST(SecondsSinceTest, CountsWholeDaysFrom1970) {
    EXPECT_EQ(SecondsSince1970(1970, 0.0), 0.0);
    EXPECT_EQ(SecondsSince1970(2006, 0.0), 1136073600.0);
    EXPECT_EQ(SecondsSince1958(2006, 0.0), 1514764800.0);
    EXPECT_EQ(SecondsSince1958(1958, 0.0), 0.0);
    EXPECT_EQ(SecondsSince1970(2004, 86400.0 * 59), 1078012800.0);
    EXPECT_EQ(SecondsSince1970(2100, 0.0), 4102444800.0);  // 2100-01-01 00:00:00
    EXPECT_EQ(SecondsSince1970(2006, std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(SecondsSinceTest, IsNegativeBefore1970) {
    // 1969-12-31 23:59:59 is the last second before the count starts.
    EXPECT_EQ(SecondsSince1970(1969, 86400.0 * 364 + 86399), -1.0);
    EXPECT_EQ(SecondsSince1970(1969, 0.0), -31536000.0);
    EXPECT_EQ(SecondsSince1970(1960, 12.5), -315619187.5);
    EXPECT_EQ(SecondsSince1970(1900, 0.0), -2208988800.0);
    EXPECT_EQ(SecondsSince1970(1, 0.0), -62135596800.0);
    EXPECT_EQ(SecondsSince1970(0, 0.0), -62167219200.0);
    EXPECT_EQ(SecondsSince1958(1957, 0.0), -31536000.0);
}

TEST(SecondsSinceTest, EachYearAddsItsOwnLength) {
    // Every year from 1600 to 2500 adds 365 days, or 366 in a leap year: 2100 is common and
    // 2101 no longer gives the count of 2100.
    for (int year = 1600; year <= 2500; ++year) {
        const double length = (IsLeapYear(year) ? 366 : 365) * kSecondsPerDay;
        EXPECT_EQ(SecondsSince1970(year + 1, 0.0) - SecondsSince1970(year, 0.0), length) << year;
    }
    EXPECT_EQ(SecondsSince1970(2101, 0.0), 4133980800.0);
}

TEST(SecondsSinceTest, FarYearsDoNotOverflow) {
    EXPECT_EQ(SecondsSince1970(10000, 0.0), 253402300800.0);
    EXPECT_EQ(SecondsSince1970(std::numeric_limits<int>::max(), 0.0), 67767976201996800.0);
    EXPECT_EQ(SecondsSince1970(std::numeric_limits<int>::min(), 0.0), -67768100567971200.0);
}

TEST(MonthNameTest, TableAndUnknown) {
    EXPECT_EQ(MonthName(0), "Unk");
    EXPECT_EQ(MonthName(1), "Jan");
    EXPECT_EQ(MonthName(12), "Dec");
    EXPECT_EQ(MonthName(13), "Unk");
    EXPECT_EQ(MonthName(-1), "Unk");
    EXPECT_EQ(MonthName(DayOfYearToMonthDay(2006, 400).month), "Dec");
}

}  // namespace
}  // namespace quorvel

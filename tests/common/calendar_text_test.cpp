#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/calendar.h"

namespace quorvel {
namespace {

struct TextCase {
    double value;
    const char* expected;
};

class TimeOfDayTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TimeOfDayTextTest, LeadingSpaceThenHoursMinutesRoundedSeconds) {
    EXPECT_EQ(TimeOfDayText(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimeOfDayTextTest,
    ::testing::Values(TextCase{45296.0, " 12:34:56"}, TextCase{0.0, " 00:00:00"},
                      TextCase{9.6, " 00:00:10"}, TextCase{9.4, " 00:00:09"},
                      TextCase{59.7, " 00:00:60"}, TextCase{59.5, " 00:00:60"},
                      TextCase{86399.0, " 23:59:59"},
                      // Whole days are not shown.
                      TextCase{86400.0, " 00:00:00"}, TextCase{90061.0, " 01:01:01"},
                      // Outside the range of a split: all zeros.
                      TextCase{-1.0, " 00:00:00"}, TextCase{31708801.0, " 00:00:00"},
                      TextCase{std::numeric_limits<double>::quiet_NaN(), " 00:00:00"}));

class TimeOfYearTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TimeOfYearTextTest, ThreeDigitDayThenTimeOfDay) {
    EXPECT_EQ(TimeOfYearText(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimeOfYearTextTest,
    ::testing::Values(TextCase{0.0, "000 00:00:00"}, TextCase{43200.0, "000 12:00:00"},
                      TextCase{86400.0 * 9 + 1, "009 00:00:01"},
                      TextCase{86400.0 * 10, "010 00:00:00"},
                      TextCase{86400.0 * 99 + 3661, "099 01:01:01"},
                      TextCase{86400.0 * 100, "100 00:00:00"},
                      TextCase{86400.0 * 364, "364 00:00:00"}, TextCase{31708800.0, "367 00:00:00"},
                      TextCase{-0.5, "000 00:00:00"}, TextCase{31708800.5, "000 00:00:00"}));

TEST(GregorianDateTextTest, MonthDayYearOfTheDayHoldingTheTime) {
    EXPECT_EQ(GregorianDateText(2006, 86400.0 * 45 + 100), "02/14/2006");
    EXPECT_EQ(GregorianDateText(2006, 86400.0 * 365 + 86399.9), "12/31/2006");
    EXPECT_EQ(GregorianDateText(2004, 86400.0 * 60), "02/29/2004");
    EXPECT_EQ(GregorianDateText(2006, 86400.0 * 60), "03/01/2006");
    EXPECT_EQ(GregorianDateText(2006, 86400.0 * 305), "11/01/2006");
    // Below one day: day of year 0, shown as day 00 of January.
    EXPECT_EQ(GregorianDateText(2006, 50.0), "01/00/2006");
    // Day 366 of a common year has no date of its own: the last day of the year.
    EXPECT_EQ(GregorianDateText(2006, 86400.0 * 366), "12/31/2006");
    EXPECT_EQ(GregorianDateText(2006, 1e12), "12/31/2006");
    // The year is written without leading zeros.
    EXPECT_EQ(GregorianDateText(5, 86400.0), "01/01/5");
}

TEST(GregorianDateTextTest, DayBeforeTheYearIsNotPadded) {
    EXPECT_EQ(GregorianDateText(2006, -86400.0 * 5), "01/-5/2006");
}

}  // namespace
}  // namespace quorvel

#include "diag/clock_source.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(SystemClockTest, CounterIsNanosecondsThatNeverRunBackwards) {
    ClockSource& clock = SystemClock();
    EXPECT_EQ(clock.CounterFrequency(), 1000000000);
    const std::int64_t first = clock.Counter();
    clock.SleepMs(0);
    clock.SleepMs(1);
    const std::int64_t second = clock.Counter();
    // A sleep of 1 ms lasts at least 1 ms of the counter.
    EXPECT_GE(second - first, 1000000);
}

TEST(SystemClockTest, LocalCalendarFieldsAreInRange) {
    const CalendarReading now = SystemClock().LocalCalendar();
    EXPECT_GE(now.year, 2020);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LT(now.hour, 24);
    EXPECT_LT(now.minute, 60);
    EXPECT_LT(now.second, 60);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LT(now.millisecond, 1000);
}

struct SystemMoment {
    std::int64_t secondsSince1970;  // noon UTC of a 15 June: the same date in every time zone
    int year;
};

class SystemCalendarYears : public ::testing::TestWithParam<SystemMoment> {};

// The window reads the system clock through the C library's local time (64-bit time_t), so a
// system clock set far ahead reads as its own date, not a wrapped one.
TEST_P(SystemCalendarYears, ReadsAFarSystemClockAsItsOwnDate) {
    const CalendarReading reading = LocalCalendarAt(GetParam().secondsSince1970, 1234567);
    EXPECT_EQ(reading.year, GetParam().year);
    EXPECT_EQ(reading.month, 6);
    EXPECT_EQ(reading.day, 15);
    EXPECT_EQ(reading.millisecond, 1);
}

INSTANTIATE_TEST_SUITE_P(Years, SystemCalendarYears,
                         ::testing::Values(SystemMoment{4116744000, 2100},
                                           SystemMoment{13583851200, 2400},
                                           SystemMoment{253385064000, 9999}));

TEST(LocalMomentTest, CarriesWholeDaysBothWaysAndReadsBackFarYears) {
    LocalMoment moment = MomentOf({2400, 2, 28, 23, 0, 0, 0});
    moment += std::chrono::hours(2);
    EXPECT_EQ(CalendarOf(moment).day, 29);
    EXPECT_EQ(CalendarOf(moment).hour, 1);
    moment += -std::chrono::hours(26);
    EXPECT_EQ(CalendarOf(moment).day, 27);
    EXPECT_EQ(CalendarOf(moment).hour, 23);
    // Fields out of range roll over, hours by whole days.
    const CalendarReading rolled = CalendarOf(MomentOf({9999, 12, 30, 47, 59, 59, 999}));
    EXPECT_EQ(rolled.day, 31);
    EXPECT_EQ(rolled.hour, 23);
    EXPECT_EQ(rolled.millisecond, 999);
}

}  // namespace
}  // namespace quorvel

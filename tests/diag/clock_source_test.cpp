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

}  // namespace
}  // namespace quorvel

#include "cli/fixed_clock.h"

#include <gtest/gtest.h>

namespace quorvel::cli {
namespace {

TEST(FixedClock, ReadsTheSameMomentUntilTheProgramSleeps) {
    FixedClock clock({2006, 2, 14, 12, 34, 56, 789});
    const CalendarReading first = clock.LocalCalendar();
    const std::int64_t counter = clock.Counter();
    const CalendarReading again = clock.LocalCalendar();
    EXPECT_EQ(again.second, first.second);
    EXPECT_EQ(again.millisecond, 789);
    EXPECT_EQ(clock.Counter(), counter);

    clock.SleepMs(250);
    EXPECT_EQ(clock.Counter() - counter, 250 * clock.CounterFrequency() / 1000);
    EXPECT_EQ(clock.LocalCalendar().second, 57);
    EXPECT_EQ(clock.LocalCalendar().millisecond, 39);
}

TEST(FixedClock, AYieldStillMovesTimeSoWaitLoopsEnd) {
    FixedClock clock({2006, 2, 14, 12, 0, 0, 0});
    const std::int64_t start = clock.Counter();
    clock.SleepMs(0);
    clock.SleepMs(-5);
    EXPECT_GT(clock.Counter(), start);
}

TEST(FixedClock, CarriesSleepsOverMidnightAndTheYearEnd) {
    FixedClock clock({2004, 12, 31, 23, 59, 59, 999});
    clock.SleepMs(2);
    const CalendarReading next = clock.LocalCalendar();
    EXPECT_EQ(next.year, 2005);
    EXPECT_EQ(next.month, 1);
    EXPECT_EQ(next.day, 1);
    EXPECT_EQ(next.hour, 0);
    EXPECT_EQ(next.second, 0);
    EXPECT_EQ(next.millisecond, 1);
}

}  // namespace
}  // namespace quorvel::cli

#include "cli/fixed_clock.h"

#include <gtest/gtest.h>

#include <tuple>

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

auto Fields(const CalendarReading& r) {
    return std::tuple(r.year, r.month, r.day, r.hour, r.minute, r.second, r.millisecond);
}

class FixedClockYears : public ::testing::TestWithParam<CalendarReading> {};

// Far from 1970 too: a moment held as one count of nanoseconds would wrap past about 1678
// and 2262 and read back as another date.
TEST_P(FixedClockYears, ReadsBackEveryMomentExactly) {
    FixedClock clock(GetParam());
    EXPECT_EQ(Fields(clock.LocalCalendar()), Fields(GetParam()));
    EXPECT_TRUE(FixedClock::Holds(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(FromYearOneToYear9999, FixedClockYears,
                         ::testing::Values(CalendarReading{1, 1, 1, 0, 0, 0, 0},
                                           CalendarReading{1677, 9, 21, 0, 12, 43, 145},
                                           CalendarReading{1970, 1, 1, 0, 0, 0, 0},
                                           CalendarReading{2100, 2, 28, 23, 59, 59, 999},
                                           CalendarReading{2262, 4, 11, 23, 47, 16, 855},
                                           CalendarReading{2400, 12, 1, 19, 3, 18, 1},
                                           CalendarReading{2400, 2, 29, 12, 0, 0, 0},
                                           CalendarReading{9999, 12, 31, 23, 59, 59, 999}));

class FixedClockRange : public ::testing::TestWithParam<CalendarReading> {};

TEST_P(FixedClockRange, RefusesWhatIsNoMomentOfTheYearsOneTo9999) {
    EXPECT_FALSE(FixedClock::Holds(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Moments, FixedClockRange,
                         ::testing::Values(CalendarReading{0, 12, 31, 23, 59, 59, 999},
                                           CalendarReading{10000, 1, 1, 0, 0, 0, 0},
                                           CalendarReading{2100, 2, 29, 0, 0, 0, 0},
                                           CalendarReading{2006, 1, 1, 24, 0, 0, 0},
                                           CalendarReading{2006, 1, 1, 0, 0, 0, 1000}));

}  // namespace
}  // namespace quorvel::cli

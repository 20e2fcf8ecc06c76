#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quorvel::testing {
namespace {

using namespace std::chrono_literals;

void ExpectReading(const CalendarReading& r, int year, int month, int day, int hour, int minute,
                   int second, int millisecond) {
    EXPECT_EQ(r.year, year);
    EXPECT_EQ(r.month, month);
    EXPECT_EQ(r.day, day);
    EXPECT_EQ(r.hour, hour);
    EXPECT_EQ(r.minute, minute);
    EXPECT_EQ(r.second, second);
    EXPECT_EQ(r.millisecond, millisecond);
}

TEST(FakeClockTest, AdvanceMovesCounterAndCalendarTogetherAcrossTheYearEnd) {
    FakeClock clock({2004, 12, 31, 23, 59, 59, 999});
    clock.SetCounter(1000);
    clock.Advance(2ms);
    EXPECT_EQ(clock.Counter(), 1000 + 2'000'000);
    ExpectReading(clock.LocalCalendar(), 2005, 1, 1, 0, 0, 0, 1);
}

TEST(FakeClockTest, SleepsAreRecordedAndAdvanceTheClock) {
    FakeClock clock;
    clock.SleepMs(1);
    clock.SleepMs(0);
    clock.SleepMs(20);
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{1, 0, 20}));
    EXPECT_EQ(clock.SleptMs(), 21);
    EXPECT_EQ(clock.Counter(), 21'100'000);  // 21 ms plus one yield step
    ExpectReading(clock.LocalCalendar(), 2006, 2, 14, 12, 0, 0, 21);
    clock.ClearSleeps();
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST(FakeClockTest, SetCalendarCarriesFieldsOutOfRange) {
    FakeClock clock({2004, 2, 28, 24, 0, 0, 0});
    ExpectReading(clock.LocalCalendar(), 2004, 2, 29, 0, 0, 0, 0);
    clock.SetCalendar({2006, 13, 1, 0, 0, 0, 0});
    ExpectReading(clock.LocalCalendar(), 2007, 1, 1, 0, 0, 0, 0);
}

TEST(FakeClockTest, FrequencyChangeKeepsTheCounterContinuous) {
    FakeClock clock;
    clock.Advance(1s);
    clock.SetCounterFrequency(10'000'000);
    EXPECT_EQ(clock.Counter(), 1'000'000'000);
    clock.Advance(1500ms);
    EXPECT_EQ(clock.Counter(), 1'000'000'000 + 15'000'000);
}

}  // namespace
}  // namespace quorvel::testing

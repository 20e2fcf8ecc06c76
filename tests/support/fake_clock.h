#pragma once
// A clock that the test moves by hand, for code that reads the calendar, reads the counter or
// sleeps (the interval timer, the error log stamps, the speaker's tone waits).
//
// The counter and the calendar run from one fake time line: Advance() and SleepMs() move
// both by the same amount, so a timer anchored on the calendar and measured on the counter
// sees a consistent clock. SetCalendar() and SetCounter() move one without the other, to make
// a jump or a wrap. Nothing sleeps for real; every SleepMs() call is recorded.
//
//   quorvel::testing::FakeClock clock;               // 2006-02-14 12:00:00.000, counter 0
//   quorvel::Ctimerclass timer(clock);
//   clock.Advance(std::chrono::milliseconds(50));
//   EXPECT_EQ(clock.Sleeps(), (std::vector<int>{1, 1}));

#include <chrono>
#include <cstdint>
#include <vector>

#include "diag/clock_source.h"

namespace quorvel::testing {

class FakeClock : public ClockSource {
public:
    // Starts at 2006-02-14 12:00:00.000 (day 45 of a common year) with the counter at 0 and
    // 1e9 ticks per second, the system clock's rate.
    FakeClock();
    explicit FakeClock(const CalendarReading& start);

    std::int64_t Counter() override;
    std::int64_t CounterFrequency() override { return m_frequency; }
    CalendarReading LocalCalendar() override;
    // Records the call and advances the clock by `ms` milliseconds; 0 (or below) gives up the
    // time slice, which advances the clock by the yield step, so that a wait loop that only
    // yields still ends.
    void SleepMs(int ms) override;

    // Moves the counter and the calendar forward together.
    void Advance(std::chrono::nanoseconds step);

    // The calendar jumps to this reading (fields out of range are carried: hour 24 is the next
    // day); the counter stays where it is.
    void SetCalendar(const CalendarReading& reading);
    // The counter jumps to this value; the calendar stays where it is.
    void SetCounter(std::int64_t ticks);
    // Ticks per second from now on; 0 or below is a counter whose rate cannot be read.
    void SetCounterFrequency(std::int64_t ticksPerSecond);
    // How far SleepMs(0) advances the clock; 100 microseconds unless set.
    void SetYieldStep(std::chrono::nanoseconds step) { m_yieldStep = step; }

    // Every SleepMs argument, in order.
    const std::vector<int>& Sleeps() const { return m_sleeps; }
    // The sum of the recorded sleeps of 1 ms or more.
    int SleptMs() const;
    void ClearSleeps() { m_sleeps.clear(); }

private:
    using WallTime = LocalMoment;

    WallTime m_wall;
    // The counter is m_counterBase plus the time advanced since the last SetCounter or
    // SetCounterFrequency, at the current rate.
    std::int64_t m_counterBase = 0;
    std::chrono::nanoseconds m_sinceCounterBase{0};
    std::int64_t m_frequency = 1000000000;
    std::chrono::nanoseconds m_yieldStep = std::chrono::microseconds(100);
    std::vector<int> m_sleeps;
};

}  // namespace quorvel::testing

#pragma once
// Where the program's time comes from: a monotonic high-resolution counter, the local calendar
// with milliseconds, and millisecond sleeps. The program uses the system clock; tests hand in
// a fake one so that nothing in them sleeps.

#include <chrono>
#include <cstdint>

namespace quorvel {

struct CalendarReading {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class ClockSource {
public:
    virtual ~ClockSource() = default;
    // The high-resolution counter (CLOCK_MONOTONIC here) and its ticks per second.
    virtual std::int64_t Counter() = 0;
    virtual std::int64_t CounterFrequency() = 0;
    // Local calendar time now, to the millisecond.
    virtual CalendarReading LocalCalendar() = 0;
    // Sleeps about `ms` milliseconds; 0 gives up the rest of the time slice.
    virtual void SleepMs(int ms) = 0;
};

// A moment of local time and its calendar reading, for clocks that keep their own time (the
// fixed clock of a reproducible run, the fake clock of the tests). Out-of-range months and
// days roll over into the following ones.
using LocalMoment = std::chrono::local_time<std::chrono::nanoseconds>;
CalendarReading CalendarOf(LocalMoment moment);
LocalMoment MomentOf(const CalendarReading& reading);

// The platform's clock. It holds no state of its own.
ClockSource& SystemClock();

}  // namespace quorvel

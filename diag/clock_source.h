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

// A moment of local time, to the nanosecond, for clocks that keep their own time (the fixed
// clock of a reproducible run, the fake clock of the tests). The day and the time since its
// midnight are held apart: one count of nanoseconds would wrap about 292 years either side of
// 1970, while this holds every year from 1 to 9999 (and far beyond) exactly.
struct LocalMoment {
    std::chrono::local_days day{};
    std::chrono::nanoseconds sinceMidnight{0};  // 0 up to, not including, 24 hours

    // Moves the moment on by `step` (back when negative), carrying whole days into the day.
    LocalMoment& operator+=(std::chrono::nanoseconds step);
};

// The calendar reading of a moment, and the moment of a reading. Out-of-range months, days,
// hours, minutes, seconds and milliseconds of a reading roll over into the following ones.
CalendarReading CalendarOf(const LocalMoment& moment);
LocalMoment MomentOf(const CalendarReading& reading);

// The local calendar reading of a moment of the system clock, given as seconds and
// nanoseconds since 1970-01-01 00:00:00 UTC: what SystemClock().LocalCalendar() reads.
CalendarReading LocalCalendarAt(std::int64_t secondsSince1970, std::int64_t nanoseconds);

// The platform's clock. It holds no state of its own.
ClockSource& SystemClock();

}  // namespace quorvel

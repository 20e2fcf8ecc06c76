#pragma once
// The clock of a reproducible run (--now): the calendar reads the given moment, and time
// moves only when the program sleeps, by exactly the time it asked for, without waiting. A
// page that reads the clock twice therefore sees the same moment, and a wait loop that sleeps
// still ends.

#include <chrono>
#include <cstdint>

#include "diag/clock_source.h"

namespace quorvel::cli {

class FixedClock final : public ClockSource {
public:
    explicit FixedClock(const CalendarReading& now);

    std::int64_t Counter() override { return m_elapsed.count(); }
    std::int64_t CounterFrequency() override { return 1000000000; }
    CalendarReading LocalCalendar() override;
    // Moves the clock on by `ms` milliseconds (a yield, 0 or below, by 100 microseconds).
    void SleepMs(int ms) override;

private:
    LocalMoment m_start;
    std::chrono::nanoseconds m_elapsed{0};
};

}  // namespace quorvel::cli

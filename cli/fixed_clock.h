#pragma once
// The clock of a reproducible run (--now): the calendar reads the given moment, and time
// moves only when the program sleeps, by exactly the time it asked for, without waiting. A
// page that reads the clock twice therefore sees the same moment, and a wait loop that sleeps
// still ends.

#include <chrono>
#include <cstdint>
#include <string_view>

#include "diag/clock_source.h"

namespace quorvel::cli {

class FixedClock final : public ClockSource {
public:
    // The first and last moments a fixed clock starts from: every local date and time of the
    // years 1 to 9999, which is all that --now's four-digit year can write.
    static constexpr std::string_view kEarliest = "0001-01-01T00:00:00.000";
    static constexpr std::string_view kLatest = "9999-12-31T23:59:59.999";

    // True when `reading` is a date and time that exists and lies from kEarliest to kLatest.
    static bool Holds(const CalendarReading& reading);

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

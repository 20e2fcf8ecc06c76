#pragma once
// The clock of the diagnostics: a time of year with sub-millisecond resolution, made from the
// local calendar at an anchor moment plus the time the high-resolution counter has measured
// since, and an interval timer on top of it.
//
// Time of year: seconds from midnight before day 0 of the current year, so that January 1 at
// 00:00:00.000 is 86400. Valid from 0 to 31708800 (367 days).

#include "diag/clock_source.h"

namespace quorvel {

inline constexpr double kTimeOfYearLimit = 31708800.0;

// The time of year of a calendar reading (day of year x 86400 + time of day, to the
// millisecond); 0 when it lies outside 0..31708800.
double TimeOfYear(const CalendarReading& reading);
// The time of year of the local calendar now.
double TimeOfYearNow(ClockSource& clock);

// A time-of-year reading that remembers the one before it.
class Ctimeclass {
public:
    explicit Ctimeclass(ClockSource& clock = SystemClock());
    virtual ~Ctimeclass() = default;

    // Stores x, clamped to 0..31708800 (valid false when it had to be clamped); the value
    // held before moves to Previous().
    void SetTime(double x);
    double Current() const { return m_current; }
    double Previous() const { return m_previous; }
    bool Valid() const { return m_valid; }

protected:
    ClockSource& m_clock;

private:
    double m_current = 0.0;
    double m_previous = 0.0;
    bool m_valid = true;
};

// The anchored clock and the interval timer.
class Ctimerclass : public Ctimeclass {
public:
    explicit Ctimerclass(ClockSource& clock = SystemClock());

    // Reads the calendar and the counter together; Now() counts from this moment.
    void Anchor();
    // Seconds the counter has run since the anchor (its distance, so a counter found below the
    // anchor counts backwards); 1.0 when it cannot be worked out.
    double ElapsedSeconds();
    // Anchor time + ElapsedSeconds().
    double Now();
    // SetTime(Now()).
    void Update();

    // Sets the interval length (clamped to 0..86400 s) and re-anchors.
    void SetInterval(double seconds);
    // Starts an interval now (re-anchors).
    void StartInterval();
    // True once when the running interval is over; the next interval then starts at once and
    // is 2 ms shorter than the set length. Also true when the time of year wrapped past its
    // end of count while an interval ending just before the wrap ran.
    bool IntervalElapsed();

    double IntervalStart() const { return m_intervalStart; }
    double IntervalEnd() const { return m_intervalEnd; }
    double IntervalLength() const { return m_intervalLength; }
    // 1 / the length of the last completed interval, 0 when that length was 0.
    double Rate() const { return m_rate; }

private:
    double m_intervalStart = 0.0;
    double m_intervalEnd = 0.0;
    double m_intervalLength = 0.001;
    double m_rate = 0.0;
    double m_anchorTime = 0.0;
    double m_secondsPerTick = 0.0;
    double m_anchorCount = 0.0;
};

}  // namespace quorvel

#include "diag/timer.h"

#include <algorithm>
#include <cmath>

#include "common/calendar.h"

namespace quorvel {

namespace {

// The longest interval the timer runs: one day.
constexpr double kMaxIntervalLength = 86400.0;
// IntervalElapsed cuts each following interval short by this much, so that the time spent
// between one interval's end and the next check does not add up.
constexpr double kFollowingIntervalCut = 0.002;
// An interval end this late in the count, with the clock found near 0, ended before the clock
// wrapped to a new count.
constexpr double kEndBeforeWrap = 86390.0;

}  // namespace

double TimeOfYear(const CalendarReading& reading) {
    const double day = DayOfYear(reading.year, reading.month, reading.day);
    const double seconds = day * 86400.0 + reading.hour * 3600.0 + reading.minute * 60.0 +
                           reading.second + reading.millisecond * 0.001;
    if (!(seconds >= 0.0 && seconds <= kTimeOfYearLimit)) {
        return 0.0;
    }
    return seconds;
}

double TimeOfYearNow(ClockSource& clock) {
    return TimeOfYear(clock.LocalCalendar());
}

// The 1 ms timer-resolution hold of the constructors and destructors is a no-op here: Linux
// sleeps are already accurate to well under a millisecond.
Ctimeclass::Ctimeclass(ClockSource& clock) : m_clock(clock), m_current(TimeOfYearNow(clock)) {}

void Ctimeclass::SetTime(double x) {
    m_valid = true;
    if (x < 0.0 || std::isnan(x)) {
        x = 0.0;
        m_valid = false;
    } else if (x > kTimeOfYearLimit) {
        x = kTimeOfYearLimit;
        m_valid = false;
    }
    m_previous = m_current;
    m_current = x;
}

Ctimerclass::Ctimerclass(ClockSource& clock) : Ctimeclass(clock) {
    Anchor();
    Update();
    m_intervalEnd = Current();
}

void Ctimerclass::Anchor() {
    const std::int64_t frequency = m_clock.CounterFrequency();
    m_secondsPerTick = frequency > 0 ? 1.0 / static_cast<double>(frequency) : 0.0;
    m_anchorCount = static_cast<double>(m_clock.Counter());
    m_anchorTime = TimeOfYearNow(m_clock);
}

double Ctimerclass::ElapsedSeconds() {
    if (!(m_secondsPerTick > 0.0)) {
        return 1.0;
    }
    const double elapsed =
        std::fabs(static_cast<double>(m_clock.Counter()) - m_anchorCount) * m_secondsPerTick;
    return std::isfinite(elapsed) ? elapsed : 1.0;
}

double Ctimerclass::Now() {
    return m_anchorTime + ElapsedSeconds();
}

void Ctimerclass::Update() {
    SetTime(Now());
}

void Ctimerclass::SetInterval(double seconds) {
    Anchor();
    Update();
    m_intervalLength = std::isnan(seconds) ? 0.0 : std::clamp(seconds, 0.0, kMaxIntervalLength);
    if (m_intervalStart < 0.0 || m_intervalStart > kMaxIntervalLength) {
        m_intervalStart = Current();
    }
    m_intervalEnd = m_intervalStart + m_intervalLength;
}

void Ctimerclass::StartInterval() {
    Anchor();
    Update();
    m_intervalStart = Current();
    m_intervalEnd = m_intervalStart + m_intervalLength;
}

bool Ctimerclass::IntervalElapsed() {
    Update();
    const double current = Current();
    const bool reached = m_intervalEnd <= current;
    const bool wrapped = current < 1.0 && m_intervalEnd > kEndBeforeWrap;
    if (!reached && !wrapped) {
        return false;
    }
    const double period = current - m_intervalStart;
    m_rate = period != 0.0 ? 1.0 / period : 0.0;
    m_intervalStart = current;
    m_intervalEnd = m_intervalStart + m_intervalLength - kFollowingIntervalCut;
    return true;
}

}  // namespace quorvel

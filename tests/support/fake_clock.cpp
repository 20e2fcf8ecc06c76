#include "support/fake_clock.h"

#include <numeric>

namespace quorvel::testing {

namespace {

using std::chrono::nanoseconds;

CalendarReading DefaultStart() {
    CalendarReading start;
    start.year = 2006;
    start.month = 2;
    start.day = 14;
    start.hour = 12;
    return start;
}

}  // namespace

FakeClock::FakeClock() : FakeClock(DefaultStart()) {}

FakeClock::FakeClock(const CalendarReading& start) {
    SetCalendar(start);
}

std::int64_t FakeClock::Counter() {
    if (m_frequency <= 0) {
        return m_counterBase;
    }
    // Whole seconds and the rest apart, so that a long run does not overflow the product.
    const std::int64_t ns = m_sinceCounterBase.count();
    const std::int64_t wholeSeconds = ns / 1000000000;
    const std::int64_t restNs = ns % 1000000000;
    return m_counterBase + wholeSeconds * m_frequency + restNs * m_frequency / 1000000000;
}

CalendarReading FakeClock::LocalCalendar() {
    return CalendarOf(m_wall);
}

void FakeClock::SleepMs(int ms) {
    m_sleeps.push_back(ms);
    if (ms <= 0) {
        Advance(m_yieldStep);
    } else {
        Advance(std::chrono::milliseconds(ms));
    }
}

void FakeClock::Advance(std::chrono::nanoseconds step) {
    m_wall += step;
    m_sinceCounterBase += step;
}

void FakeClock::SetCalendar(const CalendarReading& reading) {
    m_wall = MomentOf(reading);
}

void FakeClock::SetCounter(std::int64_t ticks) {
    m_counterBase = ticks;
    m_sinceCounterBase = nanoseconds{0};
}

void FakeClock::SetCounterFrequency(std::int64_t ticksPerSecond) {
    m_counterBase = Counter();
    m_sinceCounterBase = nanoseconds{0};
    m_frequency = ticksPerSecond;
}

int FakeClock::SleptMs() const {
    return std::accumulate(m_sleeps.begin(), m_sleeps.end(), 0,
                           [](int sum, int ms) { return ms > 0 ? sum + ms : sum; });
}

}  // namespace quorvel::testing

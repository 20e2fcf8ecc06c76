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
    using namespace std::chrono;
    const auto day = floor<days>(m_wall);
    const year_month_day date{day};
    const hh_mm_ss<nanoseconds> time{m_wall - day};
    CalendarReading reading;
    reading.year = static_cast<int>(date.year());
    reading.month = static_cast<int>(static_cast<unsigned>(date.month()));
    reading.day = static_cast<int>(static_cast<unsigned>(date.day()));
    reading.hour = static_cast<int>(time.hours().count());
    reading.minute = static_cast<int>(time.minutes().count());
    reading.second = static_cast<int>(time.seconds().count());
    reading.millisecond = static_cast<int>(duration_cast<milliseconds>(time.subseconds()).count());
    return reading;
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
    using namespace std::chrono;
    // Month and day are carried from the first of the month, so that out-of-range fields
    // roll over instead of being rejected.
    const year_month firstMonth = year{reading.year} / January + months{reading.month - 1};
    const local_days firstDay{firstMonth / 1};
    m_wall = WallTime{firstDay + days{reading.day - 1}} + hours{reading.hour} +
             minutes{reading.minute} + seconds{reading.second} + milliseconds{reading.millisecond};
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

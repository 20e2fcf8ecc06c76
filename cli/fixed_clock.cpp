#include "cli/fixed_clock.h"

namespace quorvel::cli {

using namespace std::chrono;

FixedClock::FixedClock(const CalendarReading& now) : m_start(MomentOf(now)) {}

CalendarReading FixedClock::LocalCalendar() {
    return CalendarOf(m_start + m_elapsed);
}

void FixedClock::SleepMs(int ms) {
    m_elapsed += ms > 0 ? nanoseconds(milliseconds(ms)) : nanoseconds(microseconds(100));
}

}  // namespace quorvel::cli

#include "cli/fixed_clock.h"

namespace quorvel::cli {

using namespace std::chrono;

bool FixedClock::Holds(const CalendarReading& reading) {
    if (reading.year < 1 || reading.year > 9999 || reading.month < 1 || reading.month > 12 ||
        reading.day < 1) {
        return false;
    }
    const year_month_day date{year{reading.year}, month{static_cast<unsigned>(reading.month)},
                              day{static_cast<unsigned>(reading.day)}};
    return date.ok() && reading.hour >= 0 && reading.hour <= 23 && reading.minute >= 0 &&
           reading.minute <= 59 && reading.second >= 0 && reading.second <= 59 &&
           reading.millisecond >= 0 && reading.millisecond <= 999;
}

FixedClock::FixedClock(const CalendarReading& now) : m_start(MomentOf(now)) {}

CalendarReading FixedClock::LocalCalendar() {
    LocalMoment now = m_start;
    now += m_elapsed;
    return CalendarOf(now);
}

void FixedClock::SleepMs(int ms) {
    m_elapsed += ms > 0 ? nanoseconds(milliseconds(ms)) : nanoseconds(microseconds(100));
}

}  // namespace quorvel::cli

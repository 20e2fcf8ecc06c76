#include "cli/fixed_clock.h"

namespace quorvel::cli {

using namespace std::chrono;

FixedClock::FixedClock(const CalendarReading& now) {
    const local_days day{year(now.year) / month(static_cast<unsigned>(now.month)) /
                         static_cast<unsigned>(now.day)};
    m_start = day + hours(now.hour) + minutes(now.minute) + seconds(now.second) +
              milliseconds(now.millisecond);
}

CalendarReading FixedClock::LocalCalendar() {
    const local_time<nanoseconds> now = m_start + m_elapsed;
    const local_days day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss<nanoseconds> time{now - day};
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

void FixedClock::SleepMs(int ms) {
    m_elapsed += ms > 0 ? nanoseconds(milliseconds(ms)) : nanoseconds(microseconds(100));
}

}  // namespace quorvel::cli

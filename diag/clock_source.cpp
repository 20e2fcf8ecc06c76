// The platform clock: CLOCK_MONOTONIC in nanoseconds as the high-resolution counter,
// CLOCK_REALTIME broken down in the local time zone as the calendar, nanosleep for sleeps.

#include "diag/clock_source.h"

#include <sched.h>

#include <cerrno>
#include <ctime>

namespace quorvel {

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1000000000;

class PlatformClock final : public ClockSource {
public:
    std::int64_t Counter() override {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<std::int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
    }

    std::int64_t CounterFrequency() override { return kNanosecondsPerSecond; }

    CalendarReading LocalCalendar() override {
        timespec now{};
        if (clock_gettime(CLOCK_REALTIME, &now) != 0) {
            return CalendarReading{};
        }
        return LocalCalendarAt(now.tv_sec, now.tv_nsec);
    }

    void SleepMs(int ms) override {
        if (ms <= 0) {
            sched_yield();
            return;
        }
        timespec wait{};
        wait.tv_sec = ms / 1000;
        wait.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
        // A signal cuts a sleep short; sleep the rest.
        while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
        }
    }
};

}  // namespace

LocalMoment& LocalMoment::operator+=(std::chrono::nanoseconds step) {
    using namespace std::chrono;
    // Whole days first, so that no sum of nanoseconds can overflow.
    const days wholeDays = floor<days>(step);
    day += wholeDays;
    sinceMidnight += step - wholeDays;
    if (sinceMidnight >= days{1}) {
        day += days{1};
        sinceMidnight -= days{1};
    }
    return *this;
}

CalendarReading CalendarOf(const LocalMoment& moment) {
    using namespace std::chrono;
    const year_month_day date{moment.day};
    const hh_mm_ss<nanoseconds> time{moment.sinceMidnight};
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

LocalMoment MomentOf(const CalendarReading& reading) {
    using namespace std::chrono;
    const year_month firstMonth = year{reading.year} / January + months{reading.month - 1};
    // The time of day in milliseconds (64 bits hold any int fields), its whole days carried.
    const milliseconds time = hours{reading.hour} + minutes{reading.minute} +
                              seconds{reading.second} + milliseconds{reading.millisecond};
    const days wholeDays = floor<days>(time);
    LocalMoment moment;
    moment.day = local_days{firstMonth / 1} + days{reading.day - 1} + wholeDays;
    moment.sinceMidnight = time - wholeDays;
    return moment;
}

CalendarReading LocalCalendarAt(std::int64_t secondsSince1970, std::int64_t nanoseconds) {
    CalendarReading reading;
    const std::time_t seconds = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return reading;
    }
    reading.year = local.tm_year + 1900;
    reading.month = local.tm_mon + 1;
    reading.day = local.tm_mday;
    reading.hour = local.tm_hour;
    reading.minute = local.tm_min;
    // A leap second (tm_sec 60) is shown as the last second of its minute.
    reading.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    reading.millisecond = static_cast<int>(nanoseconds / 1000000);
    return reading;
}

ClockSource& SystemClock() {
    static PlatformClock clock;
    return clock;
}

}  // namespace quorvel

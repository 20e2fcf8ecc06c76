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
        CalendarReading reading;
        timespec now{};
        if (clock_gettime(CLOCK_REALTIME, &now) != 0) {
            return reading;
        }
        std::tm local{};
        if (localtime_r(&now.tv_sec, &local) == nullptr) {
            return reading;
        }
        reading.year = local.tm_year + 1900;
        reading.month = local.tm_mon + 1;
        reading.day = local.tm_mday;
        reading.hour = local.tm_hour;
        reading.minute = local.tm_min;
        // A leap second (tm_sec 60) is shown as the last second of its minute.
        reading.second = local.tm_sec > 59 ? 59 : local.tm_sec;
        reading.millisecond = static_cast<int>(now.tv_nsec / 1000000);
        return reading;
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

CalendarReading CalendarOf(LocalMoment moment) {
    using namespace std::chrono;
    const local_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<nanoseconds> time{moment - day};
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
    const local_days firstDay{firstMonth / 1};
    return LocalMoment{firstDay + days{reading.day - 1}} + hours{reading.hour} +
           minutes{reading.minute} + seconds{reading.second} + milliseconds{reading.millisecond};
}

ClockSource& SystemClock() {
    static PlatformClock clock;
    return clock;
}

}  // namespace quorvel

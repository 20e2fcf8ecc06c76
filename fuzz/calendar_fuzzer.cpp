// Feeds arbitrary years, months, days and seconds to the calendar computations and their
// texts. Besides the sanitizers' checks, it holds the results to the ranges the page relies
// on: a month of 1..12 from every day number, a month name from the table, texts of their
// fixed shape for any time, a valid date that comes back from its day of year, and a seconds
// count that grows by the length of each year.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "common/calendar.h"
#include "fuzz/fuzz_input.h"

using quorvel::fuzz::Check;
using quorvel::fuzz::Take;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const auto year = Take<std::int32_t>(data, size);
    const auto month = Take<std::int32_t>(data, size);
    const auto day = Take<std::int32_t>(data, size);
    const auto seconds = Take<double>(data, size);

    const int dayOfYear = DayOfYear(year, month, day);
    const MonthDay date = DayOfYearToMonthDay(year, dayOfYear);
    Check(date.month >= 1 && date.month <= 12);
    Check(MonthName(date.month) != "Unk");
    Check(MonthName(month).size() == 3);
    if (day >= 1 && day <= 31) {
        Check(dayOfYear >= 1 && dayOfYear <= 366);
    }
    if (day >= 1 && day <= DaysInMonth(year, month)) {
        Check(date.month == month && date.day == day);
    }

    const TimeParts parts = SplitSeconds(seconds);
    if (parts.valid) {
        Check(parts.days >= 0 && parts.days <= 367);
        Check(parts.hours >= 0 && parts.hours < 24);
        Check(parts.minutes >= 0 && parts.minutes < 60);
        Check(parts.seconds >= 0.0 && parts.seconds < 60.0);
    }
    Check(TimeOfDayText(seconds).size() == 9);
    Check(TimeOfYearText(seconds).size() == 12);
    const std::string dateText = GregorianDateText(year, seconds);
    Check(dateText.size() >= 7 && dateText[2] == '/');
    (void)JulianDate(year, dayOfYear);
    (void)SecondsSince1958(year, seconds);
    const double startOfYear = SecondsSince1970(year, 0.0);
    Check(std::isfinite(startOfYear));
    // Exact while the counts stay within 2^53 seconds.
    if (year > -100000000 && year < 100000000) {
        const double length = (IsLeapYear(year) ? 366 : 365) * kSecondsPerDay;
        Check(SecondsSince1970(year + 1, 0.0) - startOfYear == length);
    }
    return 0;
}

// The text forms of a date, a time of day and a time of year. Every number is written by
// FormatNumber with no decimals, so a fraction is rounded, and is then padded with zeros to
// its field width.

#include <string>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/safe_math.h"

namespace quorvel {

namespace {

// The number as FormatNumber writes it with `width` digits and no decimals, with zeros in
// front up to the width ("7" -> "07" or "007"). A negative number is left as it is written.
std::string ZeroFilled(int width, double value) {
    std::string text = FormatNumber(width, 0, value);
    if (text.size() < static_cast<std::size_t>(width) && text.front() != '-') {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text;
}

// "HH:MM:SS" of split time parts; the seconds are rounded, not truncated.
std::string ClockText(const TimeParts& parts) {
    return ZeroFilled(2, parts.hours) + ":" + ZeroFilled(2, parts.minutes) + ":" +
           ZeroFilled(2, parts.seconds);
}

}  // namespace

std::string GregorianDateText(int year, double timeOfYearFromDay1) {
    const int dayOfYear = FloorToInt(timeOfYearFromDay1 / kSecondsPerDay);
    const MonthDay date = DayOfYearToMonthDay(year, dayOfYear);
    return ZeroFilled(2, date.month) + "/" + ZeroFilled(2, date.day) + "/" +
           FormatNumber(4, 0, year);
}

std::string TimeOfDayText(double timeOfDay) {
    // The day count of the split is dropped: a whole day reads 00:00:00.
    return " " + ClockText(SplitSeconds(timeOfDay));
}

std::string TimeOfYearText(double timeOfYearFromStart) {
    const TimeParts parts = SplitSeconds(timeOfYearFromStart);
    return ZeroFilled(3, parts.days) + " " + ClockText(parts);
}

}  // namespace quorvel

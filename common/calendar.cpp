// The calendar computations. The text forms live in calendar_text.cpp, so that the diagnostics
// clock, which needs only the day of year, does not pull in number formatting.

#include "common/calendar.h"

#include <array>
#include <cmath>

namespace quorvel {

namespace {

// Days before each month, February left out for the months after it (its length depends on
// the year and is added separately).
constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  31,  62,  92,  123,
                                                  153, 184, 215, 245, 276, 306};
// Days in each month of a common year.
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::array<std::string_view, 13> kMonthNames = {
    "Unk", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// a / b rounded towards minus infinity, for b > 0.
constexpr long long FloorDiv(long long a, long long b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Days from 1 January of year 1 to 1 January of `year` in the proleptic Gregorian calendar
// (negative before year 1). Within 64 bits for any int year: at most about 7.9e11.
constexpr long long DaysBeforeYear(long long year) {
    const long long before = year - 1;
    return 365 * before + FloorDiv(before, 4) - FloorDiv(before, 100) + FloorDiv(before, 400);
}

constexpr long long kDaysBefore1970 = DaysBeforeYear(1970);
static_assert(DaysBeforeYear(2006) - kDaysBefore1970 == 13149);
static_assert(DaysBeforeYear(1958) - kDaysBefore1970 == -kDays1958To1970);

}  // namespace

bool IsLeapYear(int year) {
    if (year % 4 != 0) {
        return false;
    }
    if (year % 100 != 0) {
        return true;
    }
    return year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kDaysInMonth[static_cast<std::size_t>(month - 1)];
}

int DayOfYear(int year, int month, int dayOfMonth) {
    const int february = DaysInMonth(year, 2);
    if (month > 12 || month < 1) {
        month = 1;
    } else if (month == 2 && dayOfMonth > february) {
        dayOfMonth = 1;
    }
    const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDays && dayOfMonth > 30) {
        dayOfMonth = 1;
    } else if (month != 2 && dayOfMonth > 31) {
        dayOfMonth = 1;
    }
    return kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + (month > 2 ? february : 0) +
           dayOfMonth;
}

MonthDay DayOfYearToMonthDay(int year, int dayOfYear) {
    if (dayOfYear <= 0) {
        return {1, dayOfYear};
    }
    int daysBefore = 0;
    for (int month = 1; month <= 12; ++month) {
        const int length = DaysInMonth(year, month);
        if (daysBefore + length >= dayOfYear) {
            return {month, dayOfYear - daysBefore};
        }
        daysBefore += length;
    }
    // Beyond the end of the year (day 366 of a common year, or more): the last day.
    return {12, 31};
}

TimeParts SplitSeconds(double seconds) {
    TimeParts parts;
    if (!std::isfinite(seconds) || seconds < 0.0 || seconds > kMaxTimeOfYear) {
        return parts;
    }
    // Each quotient is truncated; the products are whole numbers below 2^25, so every
    // subtraction is exact and exact multiples split exactly.
    parts.days = static_cast<int>(seconds / kSecondsPerDay);
    double rest = seconds - parts.days * kSecondsPerDay;
    parts.hours = static_cast<int>(rest / 3600.0);
    rest -= parts.hours * 3600.0;
    parts.minutes = static_cast<int>(rest / 60.0);
    parts.seconds = rest - parts.minutes * 60.0;
    parts.valid = true;
    return parts;
}

int JulianDate(int year, int dayOfYear) {
    // The mathematical remainder, so a negative year gives a digit 0..9 too.
    const int digit = ((year % 10) + 10) % 10;
    return digit * 1000 + dayOfYear;
}

double SecondsSince1970(int year, double timeOfYearFromStart) {
    if (!std::isfinite(timeOfYearFromStart)) {
        return 0.0;
    }
    const long long days = DaysBeforeYear(year) - kDaysBefore1970;
    return static_cast<double>(days) * kSecondsPerDay + timeOfYearFromStart;
}

double SecondsSince1958(int year, double timeOfYearFromStart) {
    return SecondsSince1970(year, timeOfYearFromStart) + kDays1958To1970 * kSecondsPerDay;
}

std::string_view MonthName(int month) {
    if (month < 0 || month > 12) {
        return kMonthNames[0];
    }
    return kMonthNames[static_cast<std::size_t>(month)];
}

}  // namespace quorvel

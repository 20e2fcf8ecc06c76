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

// 1970..2099: the years SecondsSince1970 counts at most.
constexpr int kMaxYearsSince1970 = 130;

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

int DayOfYear(int year, int month, int dayOfMonth) {
    const int february = (year % 4 == 0) ? 29 : 28;
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
        int length = kDaysInMonth[static_cast<std::size_t>(month - 1)];
        if (month == 2 && IsLeapYear(year)) {
            length = 29;
        }
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
    long days = 0;
    for (int y = 1970; y < year && y < 1970 + kMaxYearsSince1970; ++y) {
        days += (y % 4 == 0) ? 366 : 365;
    }
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

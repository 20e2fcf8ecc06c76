#pragma once
// Calendar and time-code computations of the Date/Time page, the error log and the
// diagnostics clock: leap years, day of year and back, seconds split into
// days/hours/minutes/seconds, the one-digit-year Julian date, seconds since 1970 and 1958, and
// the text forms of a date, a time of day and a time of year. Every date is a Gregorian date of
// local time; there are no time zones and no leap seconds. Free functions without state; none
// of them fails.
//
// Two forms of the time of year appear here:
//   counted from day 1:             day of year x 86400 + time of day (Jan 1 00:00:00 is 86400),
//                                   the page's stored form and the IRIG form;
//   counted from the start of year: the above minus 86400 (Jan 1 00:00:00 is 0).

#include <string>
#include <string_view>

namespace quorvel {

inline constexpr double kSecondsPerDay = 86400.0;
// 367 days: the largest time of year any function accepts.
inline constexpr double kMaxTimeOfYear = 31708800.0;
// Days from 1958-01-01 to 1970-01-01 (12 years, three of them leap years).
inline constexpr int kDays1958To1970 = 4383;

struct MonthDay {
    int month = 1;  // 1..12
    int day = 1;    // day of month; 0 or below only for a day of year of 0 or below
};

struct TimeParts {
    int days = 0;
    int hours = 0;         // 0..23
    int minutes = 0;       // 0..59
    double seconds = 0.0;  // 0 <= seconds < 60, fraction kept
    bool valid = false;
};

// Gregorian rule: every 4th year, except centuries that are not divisible by 400. Negative
// years follow the same rule.
bool IsLeapYear(int year);

// Days in the month (28 or 29 for February, by IsLeapYear); 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Day of year, 1 for January 1, with February's length by IsLeapYear, so that it inverts
// DayOfYearToMonthDay. A day too large for its month becomes day 1 of that month; a month
// above 12 or below 1 counts as January. Days below 1 are not corrected (day 0 of January
// gives 0).
int DayOfYear(int year, int month, int dayOfMonth);

// Month and day of month of a day of year (full Gregorian rule). A day of year of 0 or below
// gives January and that same number as the day; one beyond the length of the year gives
// December 31.
MonthDay DayOfYearToMonthDay(int year, int dayOfYear);

// Splits seconds into whole days, hours and minutes and the remaining seconds. Anything not
// finite, below 0 or above 31708800 (367 days) gives all zeros and valid false.
TimeParts SplitSeconds(double seconds);

// The last digit of the year followed by the three-digit day of year, as one number YDDD
// (2006, day 45 gives 6045; 2010, day 45 gives 45). The digit of a negative year counts
// upward (-3 gives 7), as the fractional part of year / 10 does.
int JulianDate(int year, int dayOfYear);

// Seconds from 1970-01-01 00:00:00 to the given time of year (counted from the start of the
// year) of the given year: the whole days from 1 January 1970 to 1 January of the year by the
// Gregorian rule (negative before 1970) times 86400, plus the time. Any int year: the day count
// is exact, and so is the result while it stays within 2^53 seconds (years within about
// 285 million of 1970). 0 for a time that is not finite.
double SecondsSince1970(int year, double timeOfYearFromStart);
// SecondsSince1970 + 4383 days.
double SecondsSince1958(int year, double timeOfYearFromStart);

// "Unk", "Jan" .. "Dec" for 0..12; "Unk" for any other month.
std::string_view MonthName(int month);

// "MM/DD/YYYY" of the day that holds the time of year (counted from day 1): "02/14/2006".
// A time below one day gives day of year 0, shown as day "00" of January.
std::string GregorianDateText(int year, double timeOfYearFromDay1);
// " HH:MM:SS" (leading space) of a time of day; the seconds are rounded, so 59.5 or more shows
// "60". Whole days are dropped: 86400 gives " 00:00:00". Outside 0..31708800 all zeros.
std::string TimeOfDayText(double timeOfDay);
// "DDD HH:MM:SS" of a time of year counted from the start of the year: 43200 gives
// "000 12:00:00". Outside 0..31708800 all zeros.
std::string TimeOfYearText(double timeOfYearFromStart);

}  // namespace quorvel

#pragma once

#include <cstdint>
#include <optional>

namespace ole {

// Automation dates: days since 1899-12-30, the fraction being the time of day. Before that day
// the whole part counts back while the fraction still counts forward from midnight, so -1.25 is
// 1899-12-29 06:00.
inline constexpr double kMinDateValue = -657434.0;                     // 0100-01-01
inline constexpr double kMaxDateValue = 2958465.0 + 86399.0 / 86400.0; // 9999-12-31 23:59:59
inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsValidDateValue(double date);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Day number of a calendar date (proleptic Gregorian), without range checks.
int64_t DayNumber(int year, int month, int day);

// The date value of a valid calendar date in the years 100 to 9999, else nothing.
std::optional<double> DateFromParts(int year, int month, int day);
// Combines a day number and a time fraction (0 <= time < 1) with the sign rule above.
double EncodeDate(int64_t dayNumber, double time);

// Splits a date value to the nearest second (a time that rounds up to midnight moves to the next
// day). Values outside the date range read as its nearest end, NaN as 1899-12-30.
CivilDateTime SplitDate(double date);

// Day of the week, 1 for `firstDayOfWeek` (1 = Sunday ... 7 = Saturday).
int WeekdayOf(double date, int firstDayOfWeek = 1);

// Two-digit years as the date grammar and DateSerial read them: 0-29 are 2000-2029, 30-99 are
// 1930-1999.
int ExpandTwoDigitYear(int year);

} // namespace ole

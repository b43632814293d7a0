#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// Proleptic Gregorian date arithmetic for the date picker and its month calendar, over the years
// 100 to 9999 that automation dates cover.
namespace calendar {

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

int DaysInMonth(int year, int month);
// Days since 1970-01-01 (negative before).
int64_t DayNumber(int year, int month, int day);
// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(int year, int month, int day);
// The date of a day number into time's year, month, day and weekday; the time of day stays.
void SetFromDayNumber(SYSTEMTIME& time, int64_t dayNumber);
// A date and time whose parts are in range (years 100 to 9999).
bool IsValid(const SYSTEMTIME& time);
// Orders two date-times by their parts (weekday and milliseconds ignored).
int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b);
// Today at midnight, from the platform clock.
SYSTEMTIME Today();

} // namespace calendar

} // namespace win::controls

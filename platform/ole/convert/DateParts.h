#pragma once

#include <cstdint>

namespace ole {

// The clock functions read the platform clock (base::Clock), so headless tests see the virtual
// date and time.
double Now();   // date and time
double Date();  // today at midnight
double Time();  // the time of day on 1899-12-30
double Timer(); // seconds since midnight, with milliseconds

// Parts of a date value, to the nearest second.
int Year(double date);
int Month(double date);
int Day(double date);
int Hour(double date);
int Minute(double date);
int Second(double date);
// 1 = Sunday ... 7 = Saturday unless another first day of the week (1..7) is given.
int Weekday(double date, int firstDayOfWeek = 1);

// A date from parts that may overflow into their neighbours: DateSerial(2024, 13, 1) is
// 2025-01-01 and DateSerial(2024, 3, 0) is 2024-02-29. Years 0-99 are two-digit years. A result
// outside the years 100 to 9999 raises 5.
double DateSerial(int32_t year, int32_t month, int32_t day);

// A time from parts that may overflow: TimeSerial(0, 90, 0) is 1:30 AM; whole days carry into
// the date part, negative totals count back from 1899-12-30.
double TimeSerial(int32_t hour, int32_t minute, int32_t second);

} // namespace ole

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ole {

// The date text grammar of IsDate and CDate (case-insensitive, spaces around any part):
//
//   [date] [time]   or   [time] [date],   at least one of them
//
//   date:  yyyy-m-d (also "/" or ".")           2024-01-13
//          m/d/yyyy, m/d/yy (also "-" or ".")   1/13/2024, 1-13-24, 1.13.2024
//          m/d (also "-"), in the current year; m/yyyy and yyyy/m (also "-"), on day 1
//             day first when the first number exceeds 12: 13/1/2024 is 13 January
//          a month name with a day and a year   31 December 2020, Dec 31, 2020, 08-Dec-26,
//             in any order; of two numbers one     2020 Dec 31
//             with 3-4 digits is the year, else the first is the day
//          a month name with a year (day 1) or with a day (current year): December 2020, Dec 31
//          Month names are full or three letters ("Sept" too); weekday names (full or three
//          letters, with an optional "," after them) may stand anywhere and are not checked.
//   time:  h:mm[:ss] [marker]   or   h marker,   marker = AM, PM, A or P
//          a time alone lies on 1899-12-30
//
// Two-digit years read 0-29 as 2000-2029 and 30-99 as 1930-1999; years are 100 to 9999.
// Invalid dates ("2/30/2024", "13/13/2024") and numbers ("12", "1.5", "45000") are not dates.
std::optional<double> ParseDateText(std::string_view text);

bool IsDateText(std::string_view text);

// English month and weekday names, shared with Format.
std::string_view MonthName(int month, bool abbreviate = false);     // 1..12
std::string_view WeekdayName(int weekday, bool abbreviate = false); // 1 = Sunday .. 7

} // namespace ole

#pragma once

#include <string>
#include <string_view>

namespace ole {

// A user date format:
//   d dd ddd dddd      day 1, 01, Mon, Monday          m mm mmm mmmm   month 1, 01, Jan, January
//   yy yyyy            year 24, 2024                   h hh            hour 3, 03
//   n nn               minute 5, 05                    s ss            second 7, 07
//   AM/PM am/pm A/P a/p   12-hour clock with the marker in that case
//   "text" and \c literals; any other character stands for itself.
// "m" or "mm" right after an hour or right before a second means minutes ("hh:mm", "mm:ss").
// Without a marker hours run 0 to 23.
std::string FormatDate(double date, std::string_view format);

// True when the format holds a date or time part (outside literals).
bool HasDatePart(std::string_view format);

} // namespace ole

#pragma once

// Reads a date back from text written in a date-picker format, so that "05.06.2020" written with
// "dd.MM.yyyy" is 5 June and not the month-first reading of the general date conversion.

#include <optional>
#include <string_view>

namespace attrgrid {

// The date value when the whole text matches the format field by field (names in English, AM/PM
// in any case) and the format holds a day, a month and a year; otherwise nothing.
std::optional<double> ReadDateByFormat(std::string_view text, std::string_view format);

} // namespace attrgrid

#pragma once

#include "platform/win/WinTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace win::controls {

enum class DateField {
    Literal,
    Day,
    DayName,
    Month,
    MonthName,
    Year,
    Hour12,
    Hour24,
    Minute,
    Second,
    AmPm
};

// One piece of a picker format: a literal, or a field with the count of its format letters.
struct DateSegment {
    DateField field = DateField::Literal;
    int letters = 0;
    std::string literal;
};

// The picker's format strings: d, dd (day), ddd, dddd (weekday name), M, MM (month), MMM, MMMM
// (month name), y, yy (two-digit year), yyy, yyyy (four-digit year), h, hh (12-hour), H, HH
// (24-hour), m, mm, s, ss, t, tt (AM/PM), 'literal' ('' is a quote); any other character stands
// for itself. Names are English.
class DateFormat {
public:
    static constexpr const char* kShortDate = "M/d/yyyy";
    static constexpr const char* kLongDate = "dddd, MMMM d, yyyy";
    static constexpr const char* kTime = "h:mm:ss tt";

    explicit DateFormat(std::string_view format);

    const std::vector<DateSegment>& Segments() const { return m_segments; }
    static std::string Text(const DateSegment& segment, const SYSTEMTIME& time);
    std::string Text(const SYSTEMTIME& time) const;

private:
    std::vector<DateSegment> m_segments;
};

} // namespace win::controls

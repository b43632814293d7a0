#include "platform/win/controls/datetime/DateFormat.h"

#include <algorithm>
#include <cstdio>

namespace win::controls {

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

DateField FieldOf(char c, int letters) {
    switch (c) {
    case 'd':
        return letters >= 3 ? DateField::DayName : DateField::Day;
    case 'M':
        return letters >= 3 ? DateField::MonthName : DateField::Month;
    case 'y':
        return DateField::Year;
    case 'h':
        return DateField::Hour12;
    case 'H':
        return DateField::Hour24;
    case 'm':
        return DateField::Minute;
    case 's':
        return DateField::Second;
    case 't':
        return DateField::AmPm;
    default:
        return DateField::Literal;
    }
}

std::string Number(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string Name(const char* name, int letters) {
    return letters >= 4 ? std::string(name) : std::string(name, 3);
}

} // namespace

DateFormat::DateFormat(std::string_view format) {
    const auto addLiteral = [&](std::string_view text) {
        if (m_segments.empty() || m_segments.back().field != DateField::Literal) {
            m_segments.push_back({});
        }
        m_segments.back().literal += text;
    };
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c == '\'') {
            // A quoted literal; '' inside or outside quotes stands for one quote.
            std::string literal;
            size_t j = i + 1;
            while (j < format.size()) {
                if (format[j] == '\'' && j + 1 < format.size() && format[j + 1] == '\'') {
                    literal += '\'';
                    j += 2;
                } else if (format[j] == '\'') {
                    break;
                } else {
                    literal += format[j++];
                }
            }
            addLiteral(j == i + 1 && j < format.size() ? "'" : literal);
            i = std::min(format.size(), j + 1);
            continue;
        }
        size_t run = i;
        while (run < format.size() && format[run] == c) {
            ++run;
        }
        const int letters = std::min(static_cast<int>(run - i), 4);
        const DateField field = FieldOf(c, letters);
        if (field == DateField::Literal) {
            addLiteral(format.substr(i, 1));
            ++i;
            continue;
        }
        m_segments.push_back({field, letters, {}});
        i = run;
    }
}

std::string DateFormat::Text(const DateSegment& segment, const SYSTEMTIME& time) {
    const int width = segment.letters >= 2 ? 2 : 1;
    switch (segment.field) {
    case DateField::Literal:
        return segment.literal;
    case DateField::Day:
        return Number(time.wDay, width);
    case DateField::DayName:
        return Name(kDays[time.wDayOfWeek % 7], segment.letters);
    case DateField::Month:
        return Number(time.wMonth, width);
    case DateField::MonthName:
        return Name(kMonths[(time.wMonth + 11) % 12], segment.letters);
    case DateField::Year:
        return segment.letters >= 3 ? Number(time.wYear, 4) : Number(time.wYear % 100, 2);
    case DateField::Hour12:
        return Number(time.wHour % 12 == 0 ? 12 : time.wHour % 12, width);
    case DateField::Hour24:
        return Number(time.wHour, width);
    case DateField::Minute:
        return Number(time.wMinute, width);
    case DateField::Second:
        return Number(time.wSecond, width);
    case DateField::AmPm: {
        const char* text = time.wHour < 12 ? "AM" : "PM";
        return segment.letters >= 2 ? text : std::string(text, 1);
    }
    }
    return {};
}

std::string DateFormat::Text(const SYSTEMTIME& time) const {
    std::string text;
    for (const DateSegment& segment : m_segments) {
        text += Text(segment, time);
    }
    return text;
}

} // namespace win::controls

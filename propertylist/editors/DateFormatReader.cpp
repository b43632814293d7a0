#include "propertylist/editors/DateFormatReader.h"

#include "platform/ole/convert/Calendar.h"
#include "platform/win/controls/datetime/DateFormat.h"

#include <cctype>

namespace attrgrid {

namespace {

using win::controls::DateField;
using win::controls::DateFormat;
using win::controls::DateSegment;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Reads a number of `minDigits` to `maxDigits` digits.
std::optional<int> ReadNumber(std::string_view& text, size_t minDigits, size_t maxDigits) {
    size_t n = 0;
    int value = 0;
    while (n < text.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(text[n])))
        value = value * 10 + (text[n++] - '0');
    if (n < minDigits)
        return std::nullopt;
    text.remove_prefix(n);
    return value;
}

// Which of the names the segment writes for `count` values (1-based) starts the text; the
// longest wins, so "June" is not read as "Jun".
std::optional<int> ReadName(std::string_view& text, const DateSegment& segment, int count,
                            win::SYSTEMTIME time, win::WORD win::SYSTEMTIME::*part) {
    int found = 0;
    size_t length = 0;
    for (int value = 1; value <= count; ++value) {
        time.*part =
            static_cast<win::WORD>(part == &win::SYSTEMTIME::wDayOfWeek ? value - 1 : value);
        const std::string name = DateFormat::Text(segment, time);
        if (name.size() > length && StartsWithNoCase(text, name)) {
            found = value;
            length = name.size();
        }
    }
    if (!found)
        return std::nullopt;
    text.remove_prefix(length);
    return found;
}

} // namespace

std::optional<double> ReadDateByFormat(std::string_view text, std::string_view format) {
    const DateFormat parsed(format);
    int year = -1, month = -1, day = -1, hour = 0, minute = 0, second = 0;
    std::optional<bool> pm;
    for (const DateSegment& segment : parsed.Segments()) {
        const size_t two = segment.letters >= 2 ? 2 : 1;
        std::optional<int> value;
        switch (segment.field) {
        case DateField::Literal:
            if (!text.starts_with(segment.literal))
                return std::nullopt;
            text.remove_prefix(segment.literal.size());
            continue;
        case DateField::Day:
            value = ReadNumber(text, two, 2);
            day = value.value_or(-1);
            break;
        case DateField::DayName:
            value = ReadName(text, segment, 7, {}, &win::SYSTEMTIME::wDayOfWeek);
            break;
        case DateField::Month:
            value = ReadNumber(text, two, 2);
            month = value.value_or(-1);
            break;
        case DateField::MonthName:
            value = ReadName(text, segment, 12, {}, &win::SYSTEMTIME::wMonth);
            month = value.value_or(-1);
            break;
        case DateField::Year:
            if (segment.letters <= 2) {
                value = ReadNumber(text, 2, 2);
                year = value ? ole::ExpandTwoDigitYear(*value) : -1;
            } else {
                value = ReadNumber(text, 1, 4);
                year = value.value_or(-1);
            }
            break;
        case DateField::Hour12:
        case DateField::Hour24:
            value = ReadNumber(text, two, 2);
            hour = value.value_or(0);
            break;
        case DateField::Minute:
            value = ReadNumber(text, two, 2);
            minute = value.value_or(0);
            break;
        case DateField::Second:
            value = ReadNumber(text, two, 2);
            second = value.value_or(0);
            break;
        case DateField::AmPm: {
            win::SYSTEMTIME noon{};
            noon.wHour = 12;
            const std::string am = DateFormat::Text(segment, win::SYSTEMTIME{});
            const std::string pmText = DateFormat::Text(segment, noon);
            if (StartsWithNoCase(text, pmText)) {
                pm = true;
                text.remove_prefix(pmText.size());
            } else if (StartsWithNoCase(text, am)) {
                pm = false;
                text.remove_prefix(am.size());
            } else {
                return std::nullopt;
            }
            continue;
        }
        }
        if (!value)
            return std::nullopt;
    }
    if (!text.empty() || year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const bool twelveHour = [&] {
        for (const DateSegment& segment : parsed.Segments())
            if (segment.field == DateField::Hour12)
                return true;
        return false;
    }();
    if (twelveHour) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (pm.value_or(false) ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    if (!ole::DateFromParts(year, month, day))
        return std::nullopt;
    return ole::EncodeDate(ole::DayNumber(year, month, day),
                           (hour * 3600 + minute * 60 + second) / 86400.0);
}

} // namespace attrgrid

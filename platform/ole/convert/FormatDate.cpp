#include "platform/ole/convert/FormatDate.h"

#include "platform/base/TextCase.h"
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/FormatLexer.h"

#include <vector>

namespace ole {

namespace {

enum class Part { Literal, Day, Month, Minute, Year, Hour, Second, Marker };

struct DateItem {
    Part part;
    size_t count = 0; // run length
    std::string text; // literal text, or the marker as written ("AM/PM", "a/p")
};

bool StartsWithNoCase(const std::vector<FormatToken>& tokens, size_t at, std::string_view word) {
    if (at + word.size() > tokens.size()) {
        return false;
    }
    for (size_t i = 0; i < word.size(); ++i) {
        const FormatToken& t = tokens[at + i];
        if (t.literal || !base::EqualsNoCase(t.text, word.substr(i, 1))) {
            return false;
        }
    }
    return true;
}

// Length of an "AM/PM" or "A/P" marker (any case) starting at `at`, 0 if none.
size_t MarkerLength(const std::vector<FormatToken>& tokens, size_t at) {
    for (const std::string_view marker : {std::string_view("AM/PM"), std::string_view("A/P")}) {
        if (StartsWithNoCase(tokens, at, marker)) {
            return marker.size();
        }
    }
    return 0;
}

std::vector<DateItem> Parse(std::string_view format) {
    const std::vector<FormatToken> tokens = LexFormatSection(format);
    std::vector<DateItem> items;
    for (size_t i = 0; i < tokens.size();) {
        const FormatToken& t = tokens[i];
        if (t.literal) {
            items.push_back({Part::Literal, 0, t.text});
            ++i;
            continue;
        }
        if (const size_t length = MarkerLength(tokens, i); length != 0) {
            std::string written;
            for (size_t k = 0; k < length; ++k) {
                written += tokens[i + k].text;
            }
            items.push_back({Part::Marker, length, written});
            i += length;
            continue;
        }
        const char c = static_cast<char>(t.text[0] | 0x20);
        Part part = Part::Literal;
        switch (c) {
        case 'd':
            part = Part::Day;
            break;
        case 'm':
            part = Part::Month;
            break;
        case 'y':
            part = Part::Year;
            break;
        case 'h':
            part = Part::Hour;
            break;
        case 'n':
            part = Part::Minute;
            break;
        case 's':
            part = Part::Second;
            break;
        default:
            break;
        }
        if (part == Part::Literal) {
            items.push_back({Part::Literal, 0, t.text});
            ++i;
            continue;
        }
        size_t run = 0;
        while (i < tokens.size() && !tokens[i].literal && (tokens[i].text[0] | 0x20) == c) {
            ++run;
            ++i;
        }
        items.push_back({part, run, {}});
    }
    // "m" next to an hour or a second is the minute.
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].part != Part::Month || items[i].count > 2) {
            continue;
        }
        Part before = Part::Literal;
        for (size_t k = i; k-- > 0;) {
            if (items[k].part != Part::Literal) {
                before = items[k].part;
                break;
            }
        }
        Part after = Part::Literal;
        for (size_t k = i + 1; k < items.size(); ++k) {
            if (items[k].part != Part::Literal) {
                after = items[k].part;
                break;
            }
        }
        if (before == Part::Hour || after == Part::Second) {
            items[i].part = Part::Minute;
        }
    }
    return items;
}

std::string Number(int value, size_t count) {
    std::string text = std::to_string(value);
    if (count >= 2 && text.size() < 2) {
        text.insert(0, 1, '0');
    }
    return text;
}

} // namespace

bool HasDatePart(std::string_view format) {
    for (const DateItem& item : Parse(format)) {
        if (item.part != Part::Literal) {
            return true;
        }
    }
    return false;
}

std::string FormatDate(double date, std::string_view format) {
    const std::vector<DateItem> items = Parse(format);
    const CivilDateTime p = SplitDate(date);
    bool twelveHour = false;
    for (const DateItem& item : items) {
        twelveHour = twelveHour || item.part == Part::Marker;
    }
    std::string out;
    for (const DateItem& item : items) {
        switch (item.part) {
        case Part::Literal:
            out += item.text;
            break;
        case Part::Day:
            if (item.count <= 2) {
                out += Number(p.day, item.count);
            } else {
                out += WeekdayName(WeekdayOf(date), item.count == 3);
            }
            break;
        case Part::Month:
            if (item.count <= 2) {
                out += Number(p.month, item.count);
            } else {
                out += MonthName(p.month, item.count == 3);
            }
            break;
        case Part::Year:
            out += item.count <= 2 ? Number(p.year % 100, 2) : std::to_string(p.year);
            break;
        case Part::Hour: {
            const int hour = twelveHour ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour;
            out += Number(hour, item.count);
            break;
        }
        case Part::Minute:
            out += Number(p.minute, item.count);
            break;
        case Part::Second:
            out += Number(p.second, item.count);
            break;
        case Part::Marker: {
            const bool pm = p.hour >= 12;
            const bool lower = item.text[0] == 'a';
            std::string marker = item.count == 5 ? (pm ? "PM" : "AM") : (pm ? "P" : "A");
            if (lower) {
                for (char& ch : marker) {
                    ch = static_cast<char>(ch | 0x20);
                }
            }
            out += marker;
            break;
        }
        }
    }
    return out;
}

} // namespace ole

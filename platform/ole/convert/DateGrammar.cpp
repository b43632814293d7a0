#include "platform/ole/convert/DateGrammar.h"

#include "platform/base/Clock.h"
#include "platform/base/TextCase.h"
#include "platform/ole/convert/Calendar.h"

#include <array>
#include <span>
#include <vector>

namespace ole {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

enum class TokenKind { Number, Word, Separator };

struct Token {
    TokenKind kind;
    std::string_view text;
    int value = 0; // numbers only
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Splits into numbers, words and the separators "/", "-", ".", ",", ":"; spaces only divide.
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ') {
            ++i;
        } else if (IsDigit(c)) {
            size_t j = i;
            int value = 0;
            while (j < text.size() && IsDigit(text[j])) {
                if (j - i >= 4) {
                    return std::nullopt; // no part of a date has five digits
                }
                value = value * 10 + (text[j] - '0');
                ++j;
            }
            tokens.push_back({TokenKind::Number, text.substr(i, j - i), value});
            i = j;
        } else if (IsLetter(c)) {
            size_t j = i;
            while (j < text.size() && IsLetter(text[j])) {
                ++j;
            }
            tokens.push_back({TokenKind::Word, text.substr(i, j - i)});
            i = j;
        } else if (c == '/' || c == '-' || c == '.' || c == ',' || c == ':') {
            tokens.push_back({TokenKind::Separator, text.substr(i, 1)});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

bool IsSeparator(const Token& t, char c) {
    return t.kind == TokenKind::Separator && t.text[0] == c;
}

std::optional<int> MonthOf(std::string_view word) {
    for (size_t i = 0; i < kMonths.size(); ++i) {
        if (base::EqualsNoCase(word, kMonths[i]) ||
            base::EqualsNoCase(word, kMonths[i].substr(0, 3))) {
            return static_cast<int>(i + 1);
        }
    }
    if (base::EqualsNoCase(word, "Sept")) {
        return 9;
    }
    return std::nullopt;
}

bool IsWeekday(std::string_view word) {
    for (const std::string_view name : kWeekdays) {
        if (base::EqualsNoCase(word, name) || base::EqualsNoCase(word, name.substr(0, 3))) {
            return true;
        }
    }
    return false;
}

int FullYear(const Token& t) {
    return t.text.size() <= 2 ? ExpandTwoDigitYear(t.value) : t.value;
}

bool IsNumber(const Token& t, size_t maxDigits) {
    return t.kind == TokenKind::Number && t.text.size() <= maxDigits;
}

// "AM", "PM", "A" or "P" in any case: 0 for AM, 12 for PM.
std::optional<int> MarkerOffset(const Token& t) {
    if (t.kind != TokenKind::Word) {
        return std::nullopt;
    }
    if (base::EqualsNoCase(t.text, "AM") || base::EqualsNoCase(t.text, "A")) {
        return 0;
    }
    if (base::EqualsNoCase(t.text, "PM") || base::EqualsNoCase(t.text, "P")) {
        return 12;
    }
    return std::nullopt;
}

struct TimeMatch {
    size_t begin = 0;
    size_t end = 0; // past the last token; 0 when there is no time
    double time = 0.0;
    bool valid = true;
};

// The time inside the tokens: "h:mm[:ss] [marker]" at the first ":", else "h marker".
TimeMatch FindTime(std::span<const Token> t) {
    TimeMatch match;
    size_t at = t.size();
    for (size_t i = 1; i < t.size(); ++i) {
        if (IsSeparator(t[i], ':')) {
            at = i - 1;
            break;
        }
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    size_t next = 0;
    if (at < t.size()) {
        if (!IsNumber(t[at], 2) || at + 2 >= t.size() || !IsNumber(t[at + 2], 2)) {
            match.valid = false;
            return match;
        }
        hour = t[at].value;
        minute = t[at + 2].value;
        next = at + 3;
        if (next + 1 < t.size() && IsSeparator(t[next], ':') && IsNumber(t[next + 1], 2)) {
            second = t[next + 1].value;
            next += 2;
        }
    } else {
        for (size_t i = 0; i + 1 < t.size(); ++i) {
            if (IsNumber(t[i], 2) && MarkerOffset(t[i + 1])) {
                at = i;
                break;
            }
        }
        if (at == t.size()) {
            return match;
        }
        hour = t[at].value;
        next = at + 1;
    }
    if (next < t.size()) {
        if (const auto offset = MarkerOffset(t[next])) {
            if (hour > 12) {
                match.valid = false;
                return match;
            }
            hour = hour % 12 + *offset;
            ++next;
        }
    }
    if (hour > 23 || minute > 59 || second > 59) {
        match.valid = false;
        return match;
    }
    match.begin = at;
    match.end = next;
    match.time = (hour * 3600 + minute * 60 + second) / 86400.0;
    return match;
}

int CurrentYear() {
    return SplitDate(base::Clock::Now()).year;
}

// Numbers joined by one repeated separator: y-m-d when the first has three or four digits, else
// m/d/y (d/m/y when the first exceeds 12). Of two numbers (with "/" or "-" only), a year with
// three or four digits makes yyyy/m or m/yyyy on day 1, else m/d is in the current year.
std::optional<double> ParseNumericDate(std::span<const Token> t) {
    if ((t.size() != 5 && t.size() != 3) || t[0].kind != TokenKind::Number ||
        t[2].kind != TokenKind::Number || t[1].kind != TokenKind::Separator) {
        return std::nullopt;
    }
    const char sep = t[1].text[0];
    if (sep != '/' && sep != '-' && (sep != '.' || t.size() == 3)) {
        return std::nullopt; // "1.5" is a number, not a date
    }
    if (t.size() == 5 && (t[4].kind != TokenKind::Number || t[3].text != t[1].text)) {
        return std::nullopt;
    }
    if (t[0].text.size() >= 3) {
        if (!IsNumber(t[2], 2) || (t.size() == 5 && !IsNumber(t[4], 2))) {
            return std::nullopt;
        }
        return DateFromParts(t[0].value, t[2].value, t.size() == 5 ? t[4].value : 1);
    }
    if (t.size() == 3 && t[2].text.size() >= 3) {
        return DateFromParts(t[2].value, t[0].value, 1); // m/yyyy
    }
    if (!IsNumber(t[2], 2)) {
        return std::nullopt;
    }
    int month = t[0].value;
    int day = t[2].value;
    if (month > 12) {
        std::swap(month, day);
    }
    return DateFromParts(t.size() == 5 ? FullYear(t[4]) : CurrentYear(), month, day);
}

// One month word and one or two numbers, single separators between them. Of two numbers one
// with three or four digits is the year, else the first is the day; a lone number is the year
// when it has three or four digits (day 1), else the day in the current year.
std::optional<double> ParseMonthNameDate(std::span<const Token> t) {
    std::optional<int> month;
    std::vector<const Token*> numbers;
    bool separatorAllowed = false;
    for (const Token& token : t) {
        if (token.kind == TokenKind::Separator) {
            if (!separatorAllowed || token.text[0] == ':') {
                return std::nullopt;
            }
            separatorAllowed = false;
            continue;
        }
        separatorAllowed = true;
        if (token.kind == TokenKind::Number) {
            numbers.push_back(&token);
        } else if (month || !(month = MonthOf(token.text))) {
            return std::nullopt;
        }
    }
    if (!month || numbers.empty() || numbers.size() > 2) {
        return std::nullopt;
    }
    if (numbers.size() == 1) {
        const Token& n = *numbers[0];
        return n.text.size() >= 3 ? DateFromParts(n.value, *month, 1)
                                  : DateFromParts(CurrentYear(), *month, n.value);
    }
    const Token* day = numbers[0];
    const Token* year = numbers[1];
    if (day->text.size() >= 3) {
        std::swap(day, year);
    }
    if (!IsNumber(*day, 2)) {
        return std::nullopt;
    }
    return DateFromParts(FullYear(*year), *month, day->value);
}

// The date part without weekday names (each with a "," or "." after it) and without the
// separators left at its ends where a time was cut out.
std::vector<Token> DateTokens(std::span<const Token> t) {
    std::vector<Token> out;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].kind == TokenKind::Word && IsWeekday(t[i].text)) {
            if (i + 1 < t.size() && (IsSeparator(t[i + 1], ',') || IsSeparator(t[i + 1], '.'))) {
                ++i;
            }
            continue;
        }
        out.push_back(t[i]);
    }
    while (!out.empty() && IsSeparator(out.back(), ',')) {
        out.pop_back();
    }
    while (!out.empty() && IsSeparator(out.front(), ',')) {
        out.erase(out.begin());
    }
    return out;
}

} // namespace

std::optional<double> ParseDateText(std::string_view text) {
    const auto tokens = Tokenize(text);
    if (!tokens || tokens->empty()) {
        return std::nullopt;
    }
    const std::span<const Token> all(*tokens);
    const TimeMatch time = FindTime(all);
    if (!time.valid) {
        return std::nullopt;
    }
    std::vector<Token> rest(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(time.begin));
    rest.insert(rest.end(), all.begin() + static_cast<std::ptrdiff_t>(time.end), all.end());
    const std::vector<Token> datePart = DateTokens(rest);
    if (datePart.empty()) {
        // A time alone lies on day zero; a weekday name alone is not a date.
        return time.end != 0 && rest.empty() ? std::optional<double>(time.time) : std::nullopt;
    }
    std::optional<double> date = ParseNumericDate(datePart);
    if (!date) {
        date = ParseMonthNameDate(datePart);
    }
    if (!date) {
        return std::nullopt;
    }
    return EncodeDate(static_cast<int64_t>(*date), time.time);
}

bool IsDateText(std::string_view text) {
    return ParseDateText(text).has_value();
}

std::string_view MonthName(int month, bool abbreviate) {
    const std::string_view name = kMonths.at(static_cast<size_t>(month - 1));
    return abbreviate ? name.substr(0, 3) : name;
}

std::string_view WeekdayName(int weekday, bool abbreviate) {
    const std::string_view name = kWeekdays.at(static_cast<size_t>(weekday - 1));
    return abbreviate ? name.substr(0, 3) : name;
}

} // namespace ole

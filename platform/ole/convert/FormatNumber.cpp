#include "platform/ole/convert/FormatNumber.h"

#include "platform/ole/convert/FormatLexer.h"
#include "platform/ole/convert/StandardText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace ole {

namespace {

enum class ItemKind { Literal, IntDigit, Point, FracDigit, Percent, Exponent };

struct Item {
    ItemKind kind;
    std::string text; // literal text, the placeholder ("0"/"#"), or the exponent's "E"/"e"
};

struct Section {
    std::vector<Item> items;
    std::vector<char> intDigits;
    std::vector<char> fracDigits;
    bool grouping = false;
    int scaleThousands = 0;
    int percent = 0;
    bool exponent = false;
    bool exponentPlus = false;
    int exponentMinDigits = 0;
};

bool IsDigitPlaceholder(const FormatToken& t) {
    return !t.literal && (t.text == "0" || t.text == "#");
}

Section ParseSection(std::string_view text) {
    const std::vector<FormatToken> tokens = LexFormatSection(text);
    Section s;
    bool beforePoint = true;
    bool inExponent = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const FormatToken& t = tokens[i];
        const char c = t.literal ? '\0' : t.text[0];
        if (IsDigitPlaceholder(t)) {
            if (inExponent) {
                s.exponentMinDigits += c == '0' ? 1 : 0;
            } else if (beforePoint) {
                s.intDigits.push_back(c);
                s.items.push_back({ItemKind::IntDigit, t.text});
            } else {
                s.fracDigits.push_back(c);
                s.items.push_back({ItemKind::FracDigit, t.text});
            }
        } else if (c == '.' && beforePoint && !inExponent) {
            beforePoint = false;
            s.items.push_back({ItemKind::Point, "."});
        } else if (c == ',' && beforePoint && !inExponent && !s.intDigits.empty()) {
            if (i + 1 < tokens.size() && IsDigitPlaceholder(tokens[i + 1])) {
                s.grouping = true;
            } else {
                ++s.scaleThousands;
            }
        } else if (c == '%') {
            ++s.percent;
            s.items.push_back({ItemKind::Percent, "%"});
        } else if ((c == 'E' || c == 'e') && !inExponent && i + 2 < tokens.size() &&
                   !tokens[i + 1].literal &&
                   (tokens[i + 1].text == "+" || tokens[i + 1].text == "-") &&
                   IsDigitPlaceholder(tokens[i + 2])) {
            inExponent = true;
            s.exponent = true;
            s.exponentPlus = tokens[i + 1].text == "+";
            s.items.push_back({ItemKind::Exponent, t.text});
            ++i;
        } else {
            s.items.push_back({ItemKind::Literal, t.text});
        }
    }
    return s;
}

// A value printed with a precision, independently of any locale; a fixed-point Double can need
// over 300 digits.
std::string Printed(double value, std::chars_format format, int precision) {
    std::string text(static_cast<size_t>(precision) + 400, '\0');
    const auto printed =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(static_cast<size_t>(printed.ptr - text.data()));
    return text;
}

std::string Group(const std::string& digits) {
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

bool AllZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// Formats |value| (scaled by the section) into the section's items; `sign` goes in front.
std::string Render(const Section& s, double magnitude, bool negative) {
    const double x = magnitude * std::pow(100.0, s.percent) / std::pow(1000.0, s.scaleThousands);
    if (!std::isfinite(x)) {
        return DoubleText(negative ? -magnitude : magnitude); // beyond Double once scaled
    }
    const int fracCount = static_cast<int>(s.fracDigits.size());
    std::string intText;
    std::string fracText;
    int exponent = 0;
    if (s.exponent) {
        const std::string text = Printed(x, std::chars_format::scientific, fracCount);
        const size_t e = text.find('e');
        exponent = std::atoi(text.c_str() + e + 1);
        intText = text.substr(0, 1);
        if (fracCount > 0) {
            fracText = text.substr(2, static_cast<size_t>(fracCount));
        }
        if (x == 0.0) {
            exponent = 0;
        }
    } else {
        const std::string text = Printed(x, std::chars_format::fixed, fracCount);
        const size_t point = text.find('.');
        intText = text.substr(0, point);
        if (point != std::string::npos) {
            fracText = text.substr(point + 1);
        }
    }
    const bool showSign = negative && !(AllZero(intText) && AllZero(fracText));

    // Trailing zeros under "#" placeholders disappear.
    while (!fracText.empty() && fracText.back() == '0' &&
           s.fracDigits[fracText.size() - 1] == '#') {
        fracText.pop_back();
    }
    // Integer digits: leading zeros only as far as "0" placeholders ask.
    size_t minInt = 0;
    for (size_t i = 0; i < s.intDigits.size(); ++i) {
        if (s.intDigits[i] == '0') {
            minInt = s.intDigits.size() - i;
            break;
        }
    }
    if (AllZero(intText)) {
        intText.clear();
    }
    if (intText.size() < minInt) {
        intText.insert(0, minInt - intText.size(), '0');
    }
    if (s.grouping) {
        intText = Group(intText);
    }

    std::string out = showSign ? "-" : "";
    const size_t intCount = s.intDigits.size();
    size_t intIndex = 0;
    size_t fracIndex = 0;
    bool intWritten = false;
    for (const Item& item : s.items) {
        switch (item.kind) {
        case ItemKind::Literal:
        case ItemKind::Percent:
            out += item.text;
            break;
        case ItemKind::IntDigit: {
            // Digits fill the placeholders from the right; the first takes any surplus.
            if (s.grouping) {
                if (intIndex == 0) {
                    out += intText;
                }
            } else {
                const size_t fromRight = intCount - intIndex;
                if (intIndex == 0 && intText.size() > fromRight) {
                    out.append(intText, 0, intText.size() - fromRight);
                }
                if (intText.size() >= fromRight) {
                    out += intText[intText.size() - fromRight];
                }
            }
            intWritten = true;
            ++intIndex;
            break;
        }
        case ItemKind::Point:
            if (!intWritten) {
                out += intText;
                intWritten = true;
            }
            out += '.';
            break;
        case ItemKind::FracDigit:
            if (fracIndex < fracText.size()) {
                out += fracText[fracIndex];
            }
            ++fracIndex;
            break;
        case ItemKind::Exponent: {
            out += item.text;
            if (exponent < 0) {
                out += '-';
            } else if (s.exponentPlus) {
                out += '+';
            }
            std::string digits = std::to_string(std::abs(exponent));
            const auto minDigits = static_cast<size_t>(std::max(1, s.exponentMinDigits));
            if (digits.size() < minDigits) {
                digits.insert(0, minDigits - digits.size(), '0');
            }
            out += digits;
            break;
        }
        }
    }
    return out;
}

} // namespace

bool HasDigitPlaceholder(std::string_view format) {
    for (const FormatToken& t : LexFormatSection(format)) {
        if (IsDigitPlaceholder(t)) {
            return true;
        }
    }
    return false;
}

std::string FormatNumber(double value, std::string_view format) {
    const std::vector<std::string_view> sections = SplitFormatSections(format);
    std::string_view chosen = sections[0];
    bool withSign = true;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        chosen = sections[1];
        withSign = false;
    } else if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
        chosen = sections[2];
    }
    return Render(ParseSection(chosen), std::fabs(value), withSign && value < 0);
}

} // namespace ole

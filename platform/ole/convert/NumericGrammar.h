#pragma once

#include <string>
#include <string_view>

namespace ole {

// The numeric text grammar, shared by IsNumeric and every text-to-number conversion (CLng("…"),
// CDbl("…"), argument conversion, collection and property keys). After trimming spaces (U+0020
// only) the whole text must be one of:
//
//   decimal:  [+|-] digits [ "." [digits] ] [exponent]      at least one digit in all,
//             [+|-] "." digits [exponent]                   at most one "."
//   exponent: ("E"|"e"|"D"|"d") [+|-] digits                "1D3" is 1000
//   hex:      "&H" 1-8 hexdigits    octal: "&O" 1-11 octaldigits  (either letter case), the
//             value within 32 bits
//
// Nothing else: no currency symbol, no thousands separator, no blanks inside, no tabs around.
// "12", " -1.5e3 ", "&HFF", "5.", ".5" are numeric; "1,000", "$5", "1e", ".", "- 5", "" are not.
//
// Hex and octal values are 32-bit two's complement: "&HFFFF" is 65535 and "&HFFFFFFFF" is -1,
// so a value printed by Hex reads back unchanged. A decimal value beyond the Double range matches
// the grammar but its conversion overflows (6), so it is not numeric either: text is numeric
// exactly when converting it to a Double succeeds.
enum class NumericStatus { Ok, NotNumeric, Overflow };

struct NumericText {
    NumericStatus status = NumericStatus::NotNumeric;
    double value = 0.0;
    // The same value with 64 bits of mantissa, so Currency keeps all of its 19 digits.
    long double precise = 0.0L;
};

NumericText ParseNumericText(std::string_view text);

// True when ParseNumericText reads a value (Ok); text that overflows a Double is not numeric.
bool IsNumericText(std::string_view text);

// The longest numeric prefix after leading blanks (spaces, tabs, line breaks): "12abc" is 12,
// "  -3.5e2x" is -350, "1e" is 1, "&H1F" is 31, "" and "abc" are 0. Never raises: a decimal
// beyond the Double range reads as the largest Double of its sign, and hex/octal digits past
// 32 bits wrap.
double Val(std::string_view text);
// Exact overloads so a literal or std::string never competes with Val(const Variant&).
inline double Val(const char* text) {
    return Val(std::string_view(text));
}
inline double Val(const std::string& text) {
    return Val(std::string_view(text));
}

} // namespace ole

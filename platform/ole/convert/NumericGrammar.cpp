#include "platform/ole/convert/NumericGrammar.h"

#include "platform/ole/text/TextEdits.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace ole {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int radix) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

// Length of the decimal number at the start of `text` (sign, mantissa, exponent), 0 if none.
// `complete` says whether an exponent marker without digits ends the match before the marker
// (Val) or spoils it (the full grammar, which then reports no match).
size_t MatchDecimal(std::string_view text, bool complete) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
        }
        if (j > exponentStart) {
            i = j;
        } else if (complete) {
            return 0;
        }
    }
    return i;
}

struct RadixMatch {
    size_t length = 0; // 0: no "&H"/"&O" form
    uint64_t value = 0;
    bool fits = true; // at most 8 hex or 11 octal digits, within 32 bits
};

RadixMatch MatchRadix(std::string_view text) {
    RadixMatch match;
    if (text.size() < 2 || text[0] != '&') {
        return match;
    }
    const char kind = text[1];
    const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (radix == 0) {
        return match;
    }
    const size_t maxDigits = radix == 16 ? 8 : 11;
    size_t i = 2;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], radix);
        if (digit < 0) {
            break;
        }
        match.value = match.value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
        if (match.value > UINT32_MAX || i - 2 >= maxDigits) {
            match.fits = false;
            match.value &= UINT32_MAX;
        }
    }
    if (i > 2) {
        match.length = i;
    }
    return match;
}

double FromUnsigned32(uint64_t value) {
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// Reads text the grammar accepted, without the machine's locale: "D" exponents become "E" and a
// leading "+" goes, as from_chars wants.
NumericText ReadDecimal(std::string_view text) {
    std::string normal(text.substr(text.front() == '+' ? 1 : 0));
    bool negativeExponent = false;
    for (size_t i = 0; i < normal.size(); ++i) {
        if (normal[i] == 'D' || normal[i] == 'd' || normal[i] == 'e') {
            normal[i] = 'E';
        }
        if (normal[i] == 'E') {
            negativeExponent = i + 1 < normal.size() && normal[i + 1] == '-';
        }
    }
    const char* first = normal.data();
    const char* last = first + normal.size();
    NumericText result;
    if (std::from_chars(first, last, result.precise).ec == std::errc::result_out_of_range) {
        // Past even the extended range: vanishingly small or far too large.
        result.status = negativeExponent ? NumericStatus::Ok : NumericStatus::Overflow;
        result.precise = 0.0L;
        return result;
    }
    result.status = NumericStatus::Ok;
    if (std::from_chars(first, last, result.value).ec == std::errc::result_out_of_range) {
        if (std::fabs(result.precise) > DBL_MAX) {
            result.status = NumericStatus::Overflow;
        }
        result.value = static_cast<double>(result.precise); // underflow: 0 or subnormal
    }
    return result;
}

} // namespace

NumericText ParseNumericText(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    NumericText result;
    if (const RadixMatch radix = MatchRadix(trimmed); radix.length != 0) {
        if (radix.length != trimmed.size() || !radix.fits) {
            return result;
        }
        result.status = NumericStatus::Ok;
        result.value = FromUnsigned32(radix.value);
        result.precise = result.value;
        return result;
    }
    if (trimmed.empty() || MatchDecimal(trimmed, true) != trimmed.size()) {
        return result;
    }
    return ReadDecimal(trimmed);
}

bool IsNumericText(std::string_view text) {
    return ParseNumericText(text).status == NumericStatus::Ok;
}

double Val(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return 0.0;
    }
    text.remove_prefix(start);
    if (const RadixMatch radix = MatchRadix(text); radix.length != 0) {
        return FromUnsigned32(radix.value);
    }
    const size_t length = MatchDecimal(text, false);
    if (length == 0) {
        return 0.0;
    }
    const NumericText read = ReadDecimal(text.substr(0, length));
    if (read.status == NumericStatus::Overflow) {
        return text.front() == '-' ? -DBL_MAX : DBL_MAX;
    }
    return read.value;
}

} // namespace ole

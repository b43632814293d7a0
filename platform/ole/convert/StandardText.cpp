#include "platform/ole/convert/StandardText.h"

#include "platform/ole/convert/Calendar.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ole {

namespace {

// `value` to `digits` significant digits, trailing zeros removed, in plain or exponent form.
std::string FloatText(double value, int digits, int plainExponentLimit) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";
    }
    // d.ddddde+xx, rounded to `digits` significant digits independently of any locale.
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, digits - 1);
    std::string mantissa;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            mantissa += *p;
        }
    }
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), printed.ptr, exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    std::string out = value < 0 ? "-" : "";
    if (exponent >= plainExponentLimit || exponent < -5) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + exp;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        return out + mantissa;
    }
    const auto intDigits = static_cast<size_t>(exponent + 1);
    if (mantissa.size() <= intDigits) {
        out += mantissa;
        out.append(intDigits - mantissa.size(), '0');
        return out;
    }
    out.append(mantissa, 0, intDigits);
    out += '.';
    out.append(mantissa, intDigits);
    return out;
}

std::string RadixText(uint32_t value, unsigned radix) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value % radix]);
        value /= radix;
    } while (value != 0);
    return out;
}

} // namespace

std::string BoolText(bool value) {
    return value ? "True" : "False";
}

std::string IntegerText(int64_t value) {
    return std::to_string(value);
}

std::string UnsignedText(uint64_t value) {
    return std::to_string(value);
}

std::string DoubleText(double value) {
    return FloatText(value, 15, 15);
}

std::string SingleText(float value) {
    return FloatText(static_cast<double>(value), 7, 7);
}

std::string CurrencyText(Currency value) {
    const bool negative = value.scaled < 0;
    // Through unsigned so the most negative value has a magnitude too.
    const uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(value.scaled) : static_cast<uint64_t>(value.scaled);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / Currency::Scale);
    std::string fraction = std::to_string(magnitude % Currency::Scale);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        out += '.' + fraction;
    }
    return out;
}

std::string DateText(double date) {
    const CivilDateTime p = SplitDate(date);
    char dateText[32];
    std::snprintf(dateText, sizeof dateText, "%d/%d/%d", p.month, p.day, p.year);
    char timeText[32];
    std::snprintf(timeText, sizeof timeText, "%d:%02d:%02d %s", p.hour % 12 == 0 ? 12 : p.hour % 12,
                  p.minute, p.second, p.hour < 12 ? "AM" : "PM");
    const bool noTime = p.hour == 0 && p.minute == 0 && p.second == 0;
    const bool noDate = p.year == 1899 && p.month == 12 && p.day == 30;
    if (noDate) {
        return timeText;
    }
    if (noTime) {
        return dateText;
    }
    return std::string(dateText) + ' ' + timeText;
}

std::string HexText(int32_t value) {
    return RadixText(static_cast<uint32_t>(value), 16);
}

std::string OctText(int32_t value) {
    return RadixText(static_cast<uint32_t>(value), 8);
}

} // namespace ole

#include "propertylist/editors/NumberText.h"

#include <charconv>
#include <cmath>

namespace attrgrid {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool IsValidNumberText(std::string_view text, bool allowFloatingPoint, bool allowNegative) {
    const std::string_view body = Trimmed(text);
    size_t i = 0;
    if (i < body.size() && body[i] == '-') {
        if (!allowNegative)
            return false;
        ++i;
    }
    bool digit = false;
    bool point = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && allowFloatingPoint && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit && std::isfinite(NumberTextValue(body));
}

double NumberTextValue(std::string_view text) {
    const std::string_view body = Trimmed(text);
    double value = 0;
    const auto result =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range) {
        // Too many whole digits read as infinite, which the grammar refuses; a fraction too small
        // to hold is 0.
        const std::string_view whole = body.substr(0, body.find('.'));
        if (whole.find_first_of("123456789") == std::string_view::npos)
            return 0;
        return body.starts_with('-') ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

} // namespace attrgrid

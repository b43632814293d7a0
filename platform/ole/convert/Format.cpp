#include "platform/ole/convert/Format.h"

#include "platform/base/TextCase.h"
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/FormatDate.h"
#include "platform/ole/convert/FormatLexer.h"
#include "platform/ole/convert/FormatNumber.h"
#include "platform/ole/convert/FormatString.h"
#include "platform/ole/convert/StandardText.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <array>
#include <optional>

namespace ole {

namespace {

struct NamedFormat {
    std::string_view name;
    std::string_view pattern; // empty where the format is handled specially
};

constexpr std::array<NamedFormat, 9> kNamedNumberFormats = {{
    {"General Number", ""},
    {"Currency", "$#,##0.00;($#,##0.00)"},
    {"Fixed", "0.00"},
    {"Standard", "#,##0.00"},
    {"Percent", "0.00%"},
    {"Scientific", "0.00E+00"},
    {"Yes/No", ""},
    {"True/False", ""},
    {"On/Off", ""},
}};

constexpr std::array<NamedFormat, 7> kNamedDateFormats = {{
    {"General Date", ""},
    {"Long Date", "dddd, mmmm d, yyyy"},
    {"Medium Date", "dd-mmm-yy"},
    {"Short Date", "m/d/yyyy"},
    {"Long Time", "h:mm:ss AM/PM"},
    {"Medium Time", "hh:mm AM/PM"},
    {"Short Time", "hh:mm"},
}};

std::optional<double> AsNumber(const Variant& v) {
    if (v.IsString() && !IsNumericText(v.AsString())) {
        return std::nullopt;
    }
    try {
        return CDbl(v);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<double> AsDate(const Variant& v) {
    if (v.IsString()) {
        if (auto date = ParseDateText(v.AsString())) {
            return date;
        }
    }
    const std::optional<double> number = AsNumber(v);
    if (number && IsValidDateValue(*number)) {
        return number;
    }
    return std::nullopt;
}

std::string StandardText(const Variant& v) {
    return v.IsNull() ? std::string() : CStr(v);
}

std::string FormatAsNumber(const Variant& v, std::string_view format) {
    if (v.IsNull()) {
        const auto sections = SplitFormatSections(format);
        return sections.size() >= 4 ? FormatNumber(0.0, sections[3]) : std::string();
    }
    const std::optional<double> number = AsNumber(v);
    return number ? FormatNumber(*number, format) : StandardText(v);
}

std::string FormatAsDate(const Variant& v, std::string_view format) {
    const std::optional<double> date = v.IsNull() ? std::nullopt : AsDate(v);
    return date ? FormatDate(*date, format) : StandardText(v);
}

std::optional<std::string> FormatNamed(const Variant& v, std::string_view format) {
    for (const NamedFormat& named : kNamedNumberFormats) {
        if (!base::EqualsNoCase(format, named.name)) {
            continue;
        }
        if (!named.pattern.empty()) {
            return FormatAsNumber(v, named.pattern);
        }
        const std::optional<double> number = v.IsNull() ? std::nullopt : AsNumber(v);
        if (!number) {
            return StandardText(v);
        }
        if (named.name == "General Number") {
            // Integers, Singles and Currency keep their own standard text.
            const bool ownText = v.IsNumericType() && v.Type() != VT_BOOL && v.Type() != VT_DATE;
            return ownText ? CStr(v) : DoubleText(*number);
        }
        const std::string_view words = named.name; // "Yes/No": first word for non-zero
        const size_t slash = words.find('/');
        return std::string(*number != 0.0 ? words.substr(0, slash) : words.substr(slash + 1));
    }
    for (const NamedFormat& named : kNamedDateFormats) {
        if (!base::EqualsNoCase(format, named.name)) {
            continue;
        }
        if (named.pattern.empty()) {
            const std::optional<double> date = v.IsNull() ? std::nullopt : AsDate(v);
            return date ? DateText(*date) : StandardText(v);
        }
        return FormatAsDate(v, named.pattern);
    }
    return std::nullopt;
}

} // namespace

std::string Format(const Variant& value, std::string_view format) {
    const Variant v = value.Deref().IsObject() ? ReduceToValue(value.Deref()) : value.Deref();
    if (format.empty()) {
        return StandardText(v);
    }
    if (auto named = FormatNamed(v, format)) {
        return *named;
    }
    if (HasDigitPlaceholder(format)) {
        return FormatAsNumber(v, format);
    }
    if (HasDatePart(format)) {
        return FormatAsDate(v, format);
    }
    if (HasTextPlaceholder(format) || v.IsString() || v.IsEmpty()) {
        return FormatString(StandardText(v), format);
    }
    // Only literals: a number shows them, with its sign section rules.
    return FormatAsNumber(v, format);
}

} // namespace ole

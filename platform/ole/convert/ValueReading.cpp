#include "platform/ole/convert/ValueReading.h"

#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/NumericGrammar.h"
#include "platform/ole/convert/StandardText.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/text/TextEdits.h"

#include <cmath>
#include <limits>

namespace ole {

namespace {

// Integer payloads widened; UI8 values above INT64_MAX report through `big`.
int64_t IntegerOf(const Variant& v, bool& big) {
    big = false;
    switch (v.Type()) {
    case VT_I1:
        return v.AsI1();
    case VT_I2:
        return v.AsI2();
    case VT_I4:
        return v.AsI4();
    case VT_I8:
        return v.AsI8();
    case VT_INT:
        return v.AsInt();
    case VT_UI1:
        return v.AsUI1();
    case VT_UI2:
        return v.AsUI2();
    case VT_UI4:
        return v.AsUI4();
    case VT_UINT:
        return v.AsUInt();
    case VT_UI8:
        if (v.AsUI8() > static_cast<uint64_t>(INT64_MAX)) {
            big = true;
            return INT64_MAX;
        }
        return static_cast<int64_t>(v.AsUI8());
    default:
        return 0;
    }
}

[[noreturn]] void TypeMismatch() {
    RaiseError(ERR_TYPE_MISMATCH);
}

[[noreturn]] void Overflow() {
    RaiseError(ERR_OVERFLOW);
}

[[noreturn]] void InvalidNull() {
    RaiseError(ERR_INVALID_NULL);
}

double TextToDouble(const std::string& text) {
    const NumericText parsed = ParseNumericText(text);
    if (parsed.status == NumericStatus::NotNumeric) {
        TypeMismatch();
    }
    if (parsed.status == NumericStatus::Overflow) {
        Overflow();
    }
    return parsed.value;
}

// Currency is rounded half to even in whole units without passing through a Double.
int64_t RoundCurrency(Currency c) {
    int64_t q = c.scaled / Currency::Scale;
    const int64_t r = c.scaled % Currency::Scale;
    const int64_t half = Currency::Scale / 2;
    if (r > half || (r == half && q % 2 != 0)) {
        ++q;
    } else if (r < -half || (r == -half && q % 2 != 0)) {
        --q;
    }
    return q;
}

} // namespace

bool IsIntegerType(VARTYPE vt) {
    switch (vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
        return true;
    default:
        return false;
    }
}

double ReadDouble(const Variant& v) {
    const VARTYPE vt = v.Type();
    if (IsIntegerType(vt)) {
        if (vt == VT_UI8) {
            return static_cast<double>(v.AsUI8());
        }
        bool big = false;
        return static_cast<double>(IntegerOf(v, big));
    }
    switch (vt) {
    case VT_EMPTY:
        return 0.0;
    case VT_NULL:
        InvalidNull();
    case VT_R4:
        return v.AsR4();
    case VT_R8:
        return v.AsR8();
    case VT_CY:
        return v.AsCurrency().ToDouble();
    case VT_DATE:
        return v.AsDate();
    case VT_BOOL:
        return v.AsBool() ? -1.0 : 0.0;
    case VT_BSTR:
        return TextToDouble(v.AsString());
    default:
        TypeMismatch();
    }
}

int64_t ReadWhole(const Variant& v, int64_t min, int64_t max) {
    int64_t whole = 0;
    if (IsIntegerType(v.Type())) {
        bool big = false;
        whole = IntegerOf(v, big);
        if (big) {
            Overflow();
        }
    } else if (v.Type() == VT_CY) {
        whole = RoundCurrency(v.AsCurrency());
    } else {
        const double rounded = base::RoundHalfEven(ReadDouble(v));
        // 2^63 itself is out of range; the comparison is exact in doubles.
        if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) {
            Overflow();
        }
        whole = static_cast<int64_t>(rounded);
    }
    if (whole < min || whole > max) {
        Overflow();
    }
    return whole;
}

uint64_t ReadUnsigned64(const Variant& v) {
    if (v.Type() == VT_UI8) {
        return v.AsUI8();
    }
    if (IsIntegerType(v.Type()) || v.Type() == VT_CY) {
        return static_cast<uint64_t>(ReadWhole(v, 0, INT64_MAX));
    }
    const double rounded = base::RoundHalfEven(ReadDouble(v));
    if (!(rounded >= 0.0 && rounded < 18446744073709551616.0)) {
        Overflow();
    }
    return static_cast<uint64_t>(rounded);
}

Currency ReadCurrency(const Variant& v) {
    constexpr int64_t kMaxUnits = INT64_MAX / Currency::Scale;
    if (v.Type() == VT_CY) {
        return v.AsCurrency();
    }
    if (IsIntegerType(v.Type())) {
        return Currency::FromUnits(ReadWhole(v, -kMaxUnits, kMaxUnits));
    }
    if (v.Type() == VT_BSTR) {
        // Through the extended-precision reading so all 19 digits of a Currency survive.
        const NumericText parsed = ParseNumericText(v.AsString());
        if (parsed.status == NumericStatus::NotNumeric) {
            TypeMismatch();
        }
        const long double scaled = std::nearbyintl(parsed.precise * Currency::Scale);
        if (parsed.status == NumericStatus::Overflow ||
            !(scaled >= -9223372036854775808.0L && scaled < 9223372036854775808.0L)) {
            Overflow();
        }
        return Currency{static_cast<int64_t>(scaled)};
    }
    const double scaled = base::RoundHalfEven(ReadDouble(v) * Currency::Scale);
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) {
        Overflow();
    }
    return Currency{static_cast<int64_t>(scaled)};
}

float ReadSingle(const Variant& v) {
    if (v.Type() == VT_R4) {
        return v.AsR4();
    }
    const double d = ReadDouble(v);
    const auto f = static_cast<float>(d);
    if (std::isinf(f) && !std::isinf(d)) {
        Overflow();
    }
    return f;
}

bool ReadBool(const Variant& v) {
    if (v.Type() == VT_BOOL) {
        return v.AsBool();
    }
    if (v.Type() == VT_BSTR) {
        const std::string_view text = Trim(v.AsString());
        if (base::EqualsNoCase(text, "True")) {
            return true;
        }
        if (base::EqualsNoCase(text, "False")) {
            return false;
        }
    }
    if (v.Type() == VT_CY) {
        return v.AsCurrency().scaled != 0;
    }
    return ReadDouble(v) != 0.0;
}

double ReadDate(const Variant& v) {
    if (v.Type() == VT_BSTR) {
        const auto date = ParseDateText(v.AsString());
        if (!date) {
            TypeMismatch();
        }
        return *date;
    }
    // A date variant from stored bytes or a host may hold NaN or any double; it is checked too.
    const double d = v.Type() == VT_DATE ? v.AsDate() : ReadDouble(v);
    if (!IsValidDateValue(d)) {
        Overflow();
    }
    return d;
}

std::string ReadText(const Variant& v) {
    const VARTYPE vt = v.Type();
    if (vt == VT_UI8) {
        return UnsignedText(v.AsUI8());
    }
    if (IsIntegerType(vt)) {
        bool big = false;
        return IntegerText(IntegerOf(v, big));
    }
    switch (vt) {
    case VT_EMPTY:
        return {};
    case VT_NULL:
        InvalidNull();
    case VT_R4:
        return SingleText(v.AsR4());
    case VT_R8:
        return DoubleText(v.AsR8());
    case VT_CY:
        return CurrencyText(v.AsCurrency());
    case VT_DATE:
        if (!IsValidDateValue(v.AsDate())) {
            Overflow();
        }
        return DateText(v.AsDate());
    case VT_BOOL:
        return BoolText(v.AsBool());
    case VT_BSTR:
        return v.AsString();
    case VT_ERROR:
        // An omitted argument has no text; other error values read "Error n".
        if (v.IsMissing()) {
            TypeMismatch();
        }
        return "Error " + IntegerText(v.AsError());
    default:
        if (v.IsBytes()) {
            const auto& bytes = v.AsBytes();
            return std::string(bytes.begin(), bytes.end());
        }
        TypeMismatch();
    }
}

} // namespace ole

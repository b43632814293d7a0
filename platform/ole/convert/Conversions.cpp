#include "platform/ole/convert/Conversions.h"

#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/StandardText.h"
#include "platform/ole/convert/ValueReading.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace ole {

namespace {

// The plain value to convert: by-reference variants followed, objects reduced.
Variant PlainValue(const Variant& value) {
    const Variant& v = value.Deref();
    if (v.IsObject()) {
        return ReduceToValue(v);
    }
    return v;
}

[[noreturn]] void TypeMismatch() {
    RaiseError(ERR_TYPE_MISMATCH);
}

[[noreturn]] void InvalidNull() {
    RaiseError(ERR_INVALID_NULL);
}

} // namespace

Variant ChangeType(const Variant& value, VARTYPE target) {
    const Variant& source = value.Deref();
    // A date goes on to ReadDate, which refuses a date variant holding no date (NaN, far out).
    if (target == VT_VARIANT || (source.Type() == target && target != VT_DATE)) {
        return source;
    }
    if (target == VT_DISPATCH || target == VT_UNKNOWN) {
        if (source.IsObject()) {
            return target == VT_DISPATCH ? Variant::FromObject(source.AsObject())
                                         : Variant::FromUnknown(source.AsObject());
        }
        if (source.IsEmpty()) {
            return target == VT_DISPATCH ? Variant::Nothing() : Variant::FromUnknown(nullptr);
        }
        TypeMismatch();
    }
    if (target == VT_EMPTY) {
        return Variant::Empty();
    }
    const Variant v = PlainValue(source);
    if (v.Type() == target && target != VT_DATE) {
        return v;
    }
    if (target == VT_NULL || target == VT_ERROR) {
        TypeMismatch();
    }
    if (v.IsNull()) {
        InvalidNull();
    }
    switch (target) {
    case VT_I1:
        return Variant::FromI1(static_cast<int8_t>(ReadWhole(v, INT8_MIN, INT8_MAX)));
    case VT_I2:
        return Variant::FromI2(static_cast<int16_t>(ReadWhole(v, INT16_MIN, INT16_MAX)));
    case VT_I4:
        return Variant::FromI4(static_cast<int32_t>(ReadWhole(v, INT32_MIN, INT32_MAX)));
    case VT_INT:
        return Variant::FromInt(static_cast<int32_t>(ReadWhole(v, INT32_MIN, INT32_MAX)));
    case VT_I8:
        return Variant::FromI8(ReadWhole(v, INT64_MIN, INT64_MAX));
    case VT_UI1:
        return Variant::FromUI1(static_cast<uint8_t>(ReadWhole(v, 0, UINT8_MAX)));
    case VT_UI2:
        return Variant::FromUI2(static_cast<uint16_t>(ReadWhole(v, 0, UINT16_MAX)));
    case VT_UI4:
        return Variant::FromUI4(static_cast<uint32_t>(ReadWhole(v, 0, UINT32_MAX)));
    case VT_UINT:
        return Variant::FromUInt(static_cast<uint32_t>(ReadWhole(v, 0, UINT32_MAX)));
    case VT_UI8:
        return Variant::FromUI8(ReadUnsigned64(v));
    case VT_R4:
        return Variant::FromR4(ReadSingle(v));
    case VT_R8:
        return Variant::FromR8(ReadDouble(v));
    case VT_CY:
        return Variant::FromCurrency(ReadCurrency(v));
    case VT_DATE:
        return Variant::FromDate(ReadDate(v));
    case VT_BOOL:
        return Variant::FromBool(ReadBool(v));
    case VT_BSTR:
        return Variant::FromString(ReadText(v));
    case VT_ARRAY | VT_UI1:
        if (v.IsString()) {
            const std::string& text = v.AsString();
            return Variant::FromBytes(std::vector<uint8_t>(text.begin(), text.end()));
        }
        TypeMismatch();
    default:
        TypeMismatch();
    }
}

std::string CStr(const Variant& value) {
    return ReadText(PlainValue(value));
}

uint8_t CByte(const Variant& value) {
    return ChangeType(value, VT_UI1).AsUI1();
}

int16_t CInt(const Variant& value) {
    return ChangeType(value, VT_I2).AsI2();
}

int32_t CLng(const Variant& value) {
    return ChangeType(value, VT_I4).AsI4();
}

float CSng(const Variant& value) {
    return ChangeType(value, VT_R4).AsR4();
}

double CDbl(const Variant& value) {
    return ChangeType(value, VT_R8).AsR8();
}

Currency CCur(const Variant& value) {
    return ChangeType(value, VT_CY).AsCurrency();
}

bool CBool(const Variant& value) {
    return ChangeType(value, VT_BOOL).AsBool();
}

double CDate(const Variant& value) {
    return ChangeType(value, VT_DATE).AsDate();
}

double Val(const Variant& value) {
    const Variant v = PlainValue(value);
    if (v.IsNull()) {
        InvalidNull();
    }
    if (v.IsString()) {
        return Val(std::string_view(v.AsString()));
    }
    return Val(std::string_view(ReadText(v)));
}

bool IsNumeric(const Variant& value) {
    const Variant& v = value.Deref();
    switch (v.Type()) {
    case VT_EMPTY:
    case VT_BOOL:
    case VT_CY:
    case VT_R4:
    case VT_R8:
        return true;
    case VT_BSTR:
        return IsNumericText(v.AsString());
    default:
        return IsIntegerType(v.Type());
    }
}

bool IsDate(const Variant& value) {
    const Variant& v = value.Deref();
    if (v.Type() == VT_DATE) {
        return true;
    }
    return v.IsString() && IsDateText(v.AsString());
}

std::string Hex(const Variant& value) {
    const Variant v = PlainValue(value);
    if (v.IsNull()) {
        InvalidNull();
    }
    return HexText(static_cast<int32_t>(ReadWhole(v, INT32_MIN, UINT32_MAX)));
}

std::string Oct(const Variant& value) {
    const Variant v = PlainValue(value);
    if (v.IsNull()) {
        InvalidNull();
    }
    return OctText(static_cast<int32_t>(ReadWhole(v, INT32_MIN, UINT32_MAX)));
}

} // namespace ole

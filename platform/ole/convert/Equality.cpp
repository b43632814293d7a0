#include "platform/ole/convert/Equality.h"

#include <optional>

namespace ole {

namespace {

// An exact numeric reading: whole numbers as 128-bit integers scaled by 10 000 where possible
// (integers, Booleans, currency), everything else as a long double.
struct Number {
    bool exact = false;
    __int128 scaled = 0;
    long double approx = 0.0L;
};

std::optional<Number> NumberOf(const Variant& v) {
    constexpr __int128 kScale = 10000;
    Number n;
    n.exact = true;
    switch (v.Type()) {
    case VT_EMPTY:
        return n;
    case VT_BOOL:
        n.scaled = v.AsBool() ? -kScale : 0;
        return n;
    case VT_I1:
        n.scaled = v.AsI1() * kScale;
        return n;
    case VT_I2:
        n.scaled = v.AsI2() * kScale;
        return n;
    case VT_I4:
        n.scaled = v.AsI4() * kScale;
        return n;
    case VT_INT:
        n.scaled = v.AsInt() * kScale;
        return n;
    case VT_I8:
        n.scaled = static_cast<__int128>(v.AsI8()) * kScale;
        return n;
    case VT_UI1:
        n.scaled = v.AsUI1() * kScale;
        return n;
    case VT_UI2:
        n.scaled = v.AsUI2() * kScale;
        return n;
    case VT_UI4:
        n.scaled = static_cast<__int128>(v.AsUI4()) * kScale;
        return n;
    case VT_UINT:
        n.scaled = static_cast<__int128>(v.AsUInt()) * kScale;
        return n;
    case VT_UI8:
        n.scaled = static_cast<__int128>(v.AsUI8()) * kScale;
        return n;
    case VT_CY:
        n.scaled = v.AsCurrency().scaled;
        return n;
    case VT_R4:
        n.exact = false;
        n.approx = v.AsR4();
        return n;
    case VT_R8:
        n.exact = false;
        n.approx = v.AsR8();
        return n;
    case VT_DATE:
        n.exact = false;
        n.approx = v.AsDate();
        return n;
    default:
        return std::nullopt;
    }
}

bool NumbersEqual(const Number& x, const Number& y) {
    if (x.exact && y.exact) {
        return x.scaled == y.scaled;
    }
    // A floating value equals a scaled one when it times 10 000 is that whole number. The product
    // is exact in a long double: 10 000 is 625 * 16, and 53 mantissa bits times 625 fit in 64.
    const long double a = x.exact ? static_cast<long double>(x.scaled) : x.approx * 10000.0L;
    const long double b = y.exact ? static_cast<long double>(y.scaled) : y.approx * 10000.0L;
    return a == b;
}

} // namespace

bool VariantEquals(const Variant& left, const Variant& right) {
    const Variant& a = left.Deref();
    const Variant& b = right.Deref();
    if (a.IsNull() || b.IsNull()) {
        return false;
    }
    if (a.IsObject() || b.IsObject()) {
        return Is(a, b);
    }
    if (a.IsString() || b.IsString()) {
        if (a.IsString() && b.IsString()) {
            return a.AsString() == b.AsString();
        }
        const Variant& other = a.IsString() ? b : a;
        const Variant& text = a.IsString() ? a : b;
        return other.IsEmpty() && text.AsString().empty();
    }
    if (a.IsBytes() || b.IsBytes()) {
        if (a.IsBytes() && b.IsBytes()) {
            return a.AsBytes() == b.AsBytes();
        }
        const Variant& other = a.IsBytes() ? b : a;
        const Variant& bytes = a.IsBytes() ? a : b;
        return other.IsEmpty() && bytes.AsBytes().empty();
    }
    if (a.Type() == VT_ERROR || b.Type() == VT_ERROR) {
        return a.Type() == VT_ERROR && b.Type() == VT_ERROR && a.AsError() == b.AsError();
    }
    const auto x = NumberOf(a);
    const auto y = NumberOf(b);
    return x && y && NumbersEqual(*x, *y);
}

} // namespace ole

#pragma once

#include "platform/ole/error/Error.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace ole {

// The bridge between C++ member signatures and variants, used by ClassBuilder's thunks.

// Converts an argument for a parameter of type `vt` (E.2 rules through ChangeType; objects are
// reduced to their default value first). Raises 13 (or 6/94) on failure.
Variant ConvertArgument(const Variant& value, VARTYPE vt);
// An object argument: Nothing and Missing give null; a non-object raises 13.
Ptr<Object> ObjectArgument(const Variant& value);

template <class T>
struct IsPtr : std::false_type {};
template <class T>
struct IsPtr<Ptr<T>> : std::true_type {
    using Pointee = T;
};

template <class T>
constexpr VARTYPE VarTypeOf() {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_void_v<U>)
        return VT_VOID;
    else if constexpr (std::is_same_v<U, Variant>)
        return VT_VARIANT;
    else if constexpr (std::is_same_v<U, bool>)
        return VT_BOOL;
    else if constexpr (std::is_same_v<U, int8_t>)
        return VT_I1;
    else if constexpr (std::is_same_v<U, uint8_t>)
        return VT_UI1;
    else if constexpr (std::is_same_v<U, int16_t>)
        return VT_I2;
    else if constexpr (std::is_same_v<U, uint16_t>)
        return VT_UI2;
    else if constexpr (std::is_same_v<U, int32_t>)
        return VT_I4;
    else if constexpr (std::is_same_v<U, uint32_t>)
        return VT_UI4;
    else if constexpr (std::is_same_v<U, int64_t>)
        return VT_I8;
    else if constexpr (std::is_same_v<U, uint64_t>)
        return VT_UI8;
    else if constexpr (std::is_same_v<U, float>)
        return VT_R4;
    else if constexpr (std::is_same_v<U, double>)
        return VT_R8;
    else if constexpr (std::is_same_v<U, Currency>)
        return VT_CY;
    else if constexpr (std::is_same_v<U, DateTime>)
        return VT_DATE;
    else if constexpr (std::is_same_v<U, std::string>)
        return VT_BSTR;
    else if constexpr (std::is_same_v<U, std::vector<uint8_t>>)
        return VT_ARRAY | VT_UI1;
    else if constexpr (std::is_enum_v<U>)
        return VT_I4;
    else if constexpr (IsPtr<U>::value)
        return VT_DISPATCH;
    else
        static_assert(sizeof(U) == 0, "no automation type for this C++ type");
}

// Reads a variant already of VarTypeOf<U>().
template <class U>
U ExtractExact(const Variant& v) {
    if constexpr (std::is_same_v<U, bool>)
        return v.AsBool();
    else if constexpr (std::is_same_v<U, int8_t>)
        return v.AsI1();
    else if constexpr (std::is_same_v<U, uint8_t>)
        return v.AsUI1();
    else if constexpr (std::is_same_v<U, int16_t>)
        return v.AsI2();
    else if constexpr (std::is_same_v<U, uint16_t>)
        return v.AsUI2();
    else if constexpr (std::is_same_v<U, int32_t>)
        return v.AsI4();
    else if constexpr (std::is_same_v<U, uint32_t>)
        return v.AsUI4();
    else if constexpr (std::is_same_v<U, int64_t>)
        return v.AsI8();
    else if constexpr (std::is_same_v<U, uint64_t>)
        return v.AsUI8();
    else if constexpr (std::is_same_v<U, float>)
        return v.AsR4();
    else if constexpr (std::is_same_v<U, double>)
        return v.AsR8();
    else if constexpr (std::is_same_v<U, Currency>)
        return v.AsCurrency();
    else if constexpr (std::is_same_v<U, DateTime>)
        return DateTime{v.AsDate()};
    else if constexpr (std::is_same_v<U, std::string>)
        return v.AsString();
    else if constexpr (std::is_same_v<U, std::vector<uint8_t>>)
        return v.AsBytes();
}

template <class T>
T FromVariant(const Variant& value) {
    using U = std::remove_cvref_t<T>;
    const Variant& v = value.Deref();
    if constexpr (std::is_same_v<U, Variant>) {
        return v;
    } else if constexpr (IsPtr<U>::value) {
        Ptr<Object> object = ObjectArgument(v);
        if (!object)
            return U();
        U typed = PtrCast<typename IsPtr<U>::Pointee>(object);
        if (!typed)
            RaiseError(ERR_TYPE_MISMATCH);
        return typed;
    } else if constexpr (std::is_enum_v<U>) {
        return static_cast<U>(FromVariant<int32_t>(v));
    } else {
        // The common case, an argument of the declared type, needs no conversion.
        if (v.Type() == VarTypeOf<U>())
            return ExtractExact<U>(v);
        return ExtractExact<U>(ConvertArgument(v, VarTypeOf<U>()));
    }
}

template <class T>
Variant ToVariant(T&& value) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, Variant>)
        return std::forward<T>(value);
    else if constexpr (std::is_enum_v<U>)
        return Variant(static_cast<int32_t>(value));
    else if constexpr (std::is_same_v<U, int8_t>)
        return Variant::FromI1(value);
    else if constexpr (std::is_same_v<U, uint16_t>)
        return Variant::FromUI2(value);
    else if constexpr (std::is_same_v<U, uint32_t>)
        return Variant::FromUI4(value);
    else if constexpr (std::is_same_v<U, int64_t>)
        return Variant::FromI8(value);
    else if constexpr (std::is_same_v<U, uint64_t>)
        return Variant::FromUI8(value);
    else if constexpr (std::is_same_v<U, std::vector<uint8_t>>)
        return Variant::FromBytes(std::forward<T>(value));
    else
        return Variant(std::forward<T>(value));
}

} // namespace ole

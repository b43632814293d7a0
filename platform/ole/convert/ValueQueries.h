#pragma once

#include "platform/ole/variant/Variant.h"

namespace ole {

// The value queries of the language; all look through by-reference variants.
inline VARTYPE VarType(const Variant& value) {
    return value.ValueType();
}
inline bool IsEmpty(const Variant& value) {
    return value.IsEmpty();
}
inline bool IsNull(const Variant& value) {
    return value.IsNull();
}
// An optional argument that was not passed.
inline bool IsMissing(const Variant& value) {
    return value.IsMissing();
}
// An object reference, Nothing included.
inline bool IsObject(const Variant& value) {
    return value.IsObject();
}
inline bool IsNothing(const Variant& value) {
    return value.IsNothing();
}

} // namespace ole

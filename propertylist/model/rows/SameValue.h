#pragma once

#include "platform/ole/convert/Equality.h"
#include "platform/ole/variant/Variant.h"

namespace attrgrid {

// The "only when different" test of a value store: Null equals only Null, otherwise the
// language's `=` (never raises).
inline bool SameValue(const ole::Variant& a, const ole::Variant& b) {
    if (a.IsNull() || b.IsNull())
        return a.IsNull() && b.IsNull();
    return ole::VariantEquals(a, b);
}

} // namespace attrgrid

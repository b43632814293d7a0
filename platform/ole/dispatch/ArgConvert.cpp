#include "platform/ole/dispatch/ArgConvert.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

namespace ole {

Variant ConvertArgument(const Variant& value, VARTYPE vt) {
    const Variant& v = value.Deref();
    if (v.Type() == vt || vt == VT_VARIANT)
        return v;
    if (v.IsObject())
        return ChangeType(ReduceToValue(v), vt);
    return ChangeType(v, vt);
}

Ptr<Object> ObjectArgument(const Variant& value) {
    const Variant& v = value.Deref();
    if (v.IsMissing())
        return nullptr;
    if (!v.IsObject())
        RaiseError(ERR_TYPE_MISMATCH);
    return v.AsObject();
}

} // namespace ole

#include "platform/ole/object/TypeName.h"

#include "platform/ole/dispatch/ClassInfo.h"

namespace ole {

std::string VarTypeName(VARTYPE type) {
    if (type == (VT_ARRAY | VT_UI1))
        return "Byte()";
    switch (type) {
    case VT_EMPTY:
        return "Empty";
    case VT_NULL:
        return "Null";
    case VT_I2:
        return "Integer";
    case VT_I4:
        return "Long";
    case VT_R4:
        return "Single";
    case VT_R8:
        return "Double";
    case VT_CY:
        return "Currency";
    case VT_DATE:
        return "Date";
    case VT_BSTR:
        return "String";
    case VT_DISPATCH:
        return "Object";
    case VT_ERROR:
        return "Error";
    case VT_BOOL:
        return "Boolean";
    case VT_VARIANT:
        return "Variant";
    case VT_UNKNOWN:
        return "Unknown";
    case VT_DECIMAL:
        return "Decimal";
    case VT_I1:
        return "SByte";
    case VT_UI1:
        return "Byte";
    case VT_UI2:
        return "UInteger";
    case VT_UI4:
        return "ULong";
    case VT_I8:
        return "LongLong";
    case VT_UI8:
        return "ULongLong";
    case VT_INT:
        return "Long";
    case VT_UINT:
        return "ULong";
    default:
        return "Unknown";
    }
}

std::string TypeName(const Object* object) {
    return object ? object->GetClassInfo().Name() : "Nothing";
}

std::string TypeName(const Variant& value) {
    if (value.IsObject())
        return TypeName(value.AsObject().Get());
    return VarTypeName(value.ValueType());
}

} // namespace ole

#pragma once

#include "platform/ole/typeinfo/TypeLibrary.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ole {

// A value, parameter or return type as a reader of type information sees it.
struct ValueTypeDescription {
    // 0 for a named type (enumeration, class, interface); aliases are resolved, so OLE_COLOR
    // reads VT_UI4 (19).
    VARTYPE varType = VT_EMPTY;
    // The named type or alias ("Font", "Picture", "OLE_COLOR", an enumeration), else empty.
    std::string typeName;
    // The named type's kind (TKIND_ENUM ...), -1 for plain types and unknown names.
    int32_t typeKind = -1;
    // An enumeration's constants in declaration order.
    std::vector<EnumConstant> constants;
    // Arrays and types an editor cannot show (interfaces without dispatch, records, unknown names).
    bool cannotBeShown = false;
};

struct ParamDescription {
    std::string name;
    ValueTypeDescription type;
    bool optional = false;
    bool byRef = false;
    Variant defaultValue;
};

// One accessor or method (or one event of a source interface).
struct MemberDescription {
    std::string name;
    int32_t invokeKind = 1;
    DISPID memberId = DISPID_UNKNOWN;
    std::string helpString;
    int32_t helpContext = 0;
    // The member's own help file, else the library's (ours have none).
    std::string helpFile;
    ValueTypeDescription returnType;
    std::vector<ParamDescription> params;
    uint32_t flags = 0;
};

// One entry per property or method name, in the order of its first accessor.
struct FilteredMember {
    std::string name;
    DISPID memberId = DISPID_UNKNOWN;
    // The sum of its accessors' kinds: 6 get+let, 10 get+set, 14 all three, 2 read-only, 1 method.
    int32_t invokeKinds = 0;
    // Hidden or restricted: a property browser leaves it out.
    bool skip = false;
    // The property's value type (from the get, else from a put's value parameter) or a method's
    // return type.
    ValueTypeDescription valueType;
    std::string helpString;
};

} // namespace ole

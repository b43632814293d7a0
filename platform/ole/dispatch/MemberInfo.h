#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ole {

// Member flags as type information reports them.
inline constexpr uint32_t FUNCFLAG_FRESTRICTED = 0x1;
inline constexpr uint32_t FUNCFLAG_FSOURCE = 0x2;
inline constexpr uint32_t FUNCFLAG_FBINDABLE = 0x4;
inline constexpr uint32_t FUNCFLAG_FDEFAULTBIND = 0x20;
inline constexpr uint32_t FUNCFLAG_FHIDDEN = 0x40;
inline constexpr uint32_t FUNCFLAG_FNONBROWSABLE = 0x400;

// A value or parameter type: the variant type the C++ signature gives, and, for named types
// (an alias such as OLE_COLOR, an enumeration, "Font", "Picture"), the type's name, which type
// information resolves through the registered libraries.
struct TypeRef {
    VARTYPE vt = VT_EMPTY;
    std::string name;
};

struct ParamInfo {
    std::string name;
    TypeRef type;
    bool optional = false;
    // The callee's default for a missing optional argument; Missing when it has none.
    Variant defaultValue = Variant::Missing();
    bool byRef = false;
};

// One accessor or method. A property has one entry per accessor (get, let, set), all with the
// same name and id. For a let or set the value is the last parameter.
struct MemberInfo {
    using Thunk = std::function<Variant(Object& self, std::span<Variant> args)>;

    std::string name;
    DISPID id = DISPID_UNKNOWN;
    uint16_t kind = DISPATCH_METHOD;
    std::vector<ParamInfo> params;
    TypeRef returnType{VT_VOID, {}};
    uint32_t flags = 0;
    std::string help;
    int32_t helpContext = 0;
    Thunk call;
};

// A property kept in a property bag: its key and its default, which InitProperties gives the
// property and ReadProperties and WriteProperties pass to the bag. A default may depend on the
// object (the container's font, a length in the object's scale units), so it is asked for each
// time. A property that is only given its default on InitProperties is not `stored`.
struct PersistedProperty {
    using DefaultOf = std::function<Variant(Object& self)>;

    DISPID id = DISPID_UNKNOWN;
    std::string key;
    DefaultOf defaultOf;
    bool stored = true;
};

struct EventParam {
    EventParam(std::string name, VARTYPE vt = VT_VARIANT, bool byRef = false,
               std::string typeName = {})
        : name(std::move(name)), vt(vt), byRef(byRef), typeName(std::move(typeName)) {}

    std::string name;
    VARTYPE vt = VT_VARIANT;
    bool byRef = false;
    std::string typeName;
};

// An event of a class's source interface. Id and declaration position are independent: sinks
// may bind by either.
struct EventInfo {
    std::string name;
    DISPID id = DISPID_UNKNOWN;
    int32_t position = 0;
    std::vector<EventParam> params;
    std::string help;
};

} // namespace ole

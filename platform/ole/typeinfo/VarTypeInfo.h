#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/MemberDescription.h"

namespace ole {

// A member's value type: VarType (0 for named types, aliases resolved), TypeName, TypeKind,
// Constants of an enumeration and CannotBeShown.
class VarTypeInfo : public Object {
public:
    explicit VarTypeInfo(ValueTypeDescription type) : m_type(std::move(type)) {}

    int32_t VarType() const { return m_type.varType; }
    std::string TypeName() const { return m_type.typeName; }
    int32_t TypeKind() const { return m_type.typeKind; }
    bool CannotBeShown() const { return m_type.cannotBeShown; }
    Ptr<Object> Constants() const;
    const ValueTypeDescription& Description() const { return m_type; }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    ValueTypeDescription m_type;
};

} // namespace ole

#include "platform/ole/typeinfo/VarTypeInfo.h"

#include "platform/ole/typeinfo/ConstantInfo.h"
#include "platform/ole/typeinfo/InfoList.h"

namespace ole {

Ptr<Object> VarTypeInfo::Constants() const {
    return MakeInfoList<ConstantInfo>(m_type.constants);
}

const ClassInfo& VarTypeInfo::Info() {
    static const ClassInfo info = ClassBuilder<VarTypeInfo>("VarTypeInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("VarType", DISPID_VALUE, &VarTypeInfo::VarType)
                                      .Get("TypeName", 1, &VarTypeInfo::TypeName)
                                      .Get("TypeKind", 2, &VarTypeInfo::TypeKind)
                                      .Get("Constants", 3, &VarTypeInfo::Constants)
                                      .Get("CannotBeShown", 4, &VarTypeInfo::CannotBeShown)
                                      .Build();
    return info;
}

} // namespace ole

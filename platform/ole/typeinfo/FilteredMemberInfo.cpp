#include "platform/ole/typeinfo/FilteredMemberInfo.h"

#include "platform/ole/typeinfo/InfoList.h"
#include "platform/ole/typeinfo/VarTypeInfo.h"

namespace ole {

Ptr<Object> FilteredMemberInfo::ReturnType() const {
    return MakeObject<VarTypeInfo>(m_member.valueType);
}

const ClassInfo& FilteredMemberInfo::Info() {
    using M = FilteredMemberInfo;
    static const ClassInfo info = ClassBuilder<M>("FilteredMemberInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("Name", DISPID_VALUE, &M::Name)
                                      .Get("MemberId", 1, &M::MemberId)
                                      .Get("InvokeKinds", 2, &M::InvokeKinds)
                                      .Get("Skip", 3, &M::Skip)
                                      .Get("ReturnType", 4, &M::ReturnType)
                                      .Get("HelpString", 5, &M::HelpString)
                                      .Build();
    return info;
}

} // namespace ole

#include "platform/ole/typeinfo/MemberDescriptionInfo.h"

#include "platform/ole/typeinfo/InfoList.h"
#include "platform/ole/typeinfo/VarTypeInfo.h"

namespace ole {

Ptr<Object> MemberDescriptionInfo::ReturnType() const {
    return MakeObject<VarTypeInfo>(m_member.returnType);
}

const ClassInfo& MemberDescriptionInfo::Info() {
    using M = MemberDescriptionInfo;
    static const ClassInfo info = ClassBuilder<M>("MemberInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("Name", DISPID_VALUE, &M::Name)
                                      .Get("InvokeKind", 1, &M::InvokeKind)
                                      .Get("MemberId", 2, &M::MemberId)
                                      .Get("HelpString", 3, &M::HelpString)
                                      .Get("HelpContext", 4, &M::HelpContext)
                                      .Get("HelpFile", 5, &M::HelpFile)
                                      .Get("ReturnType", 6, &M::ReturnType)
                                      .Get("ParamCount", 7, &M::ParamCount)
                                      .Build();
    return info;
}

} // namespace ole

#include "platform/ole/typeinfo/InterfaceInfo.h"

#include "platform/ole/typeinfo/ConstantInfo.h"
#include "platform/ole/typeinfo/FilteredMemberInfo.h"
#include "platform/ole/typeinfo/InfoList.h"
#include "platform/ole/typeinfo/MemberDescriptionInfo.h"

namespace ole {

InterfaceInfo::InterfaceInfo(InterfaceDescription description,
                             std::shared_ptr<const TypeLibrary> library)
    : m_description(std::move(description)), m_library(std::move(library)) {}

int16_t InterfaceInfo::MajorVersion() const {
    return static_cast<int16_t>(m_description.Library().MajorVersion());
}

int16_t InterfaceInfo::MinorVersion() const {
    return static_cast<int16_t>(m_description.Library().MinorVersion());
}

Ptr<Object> InterfaceInfo::DispatchView() const {
    return MakeObject<InterfaceInfo>(m_description.DispatchView(), m_library);
}

Ptr<Object> InterfaceInfo::Members() const {
    return MakeInfoList<MemberDescriptionInfo>(m_description.Members());
}

Ptr<Object> InterfaceInfo::FilteredMembers() const {
    return MakeInfoList<FilteredMemberInfo>(m_description.FilteredMembers());
}

Ptr<Object> InterfaceInfo::Constants() const {
    return MakeInfoList<ConstantInfo>(m_description.Type().constants);
}

const ClassInfo& InterfaceInfo::Info() {
    using I = InterfaceInfo;
    static const ClassInfo info = ClassBuilder<I>("InterfaceInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("Name", DISPID_VALUE, &I::Name)
                                      .Get("TypeKind", 1, &I::TypeKind)
                                      .Get("Guid", 2, &I::GuidString)
                                      .Get("HelpString", 3, &I::HelpString)
                                      .Get("LibraryName", 4, &I::LibraryName)
                                      .Get("LibraryGuid", 5, &I::LibraryGuid)
                                      .Get("MajorVersion", 6, &I::MajorVersion)
                                      .Get("MinorVersion", 7, &I::MinorVersion)
                                      .Get("DispatchView", 8, &I::DispatchView)
                                      .Get("Members", 9, &I::Members)
                                      .Get("FilteredMembers", 10, &I::FilteredMembers)
                                      .Get("Constants", 11, &I::Constants)
                                      .Build();
    return info;
}

} // namespace ole

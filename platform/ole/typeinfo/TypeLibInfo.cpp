#include "platform/ole/typeinfo/TypeLibInfo.h"

#include "platform/ole/typeinfo/InfoList.h"
#include "platform/ole/typeinfo/InterfaceDescription.h"
#include "platform/ole/typeinfo/InterfaceInfo.h"

namespace ole {

Ptr<Object> TypeLibInfo::FindType(std::string name) const {
    const TypeDescription* type = m_library->FindType(name);
    if (!type)
        return nullptr;
    return MakeObject<InterfaceInfo>(InterfaceDescription::FromType(*type), m_library);
}

const ClassInfo& TypeLibInfo::Info() {
    using L = TypeLibInfo;
    static const ClassInfo info = ClassBuilder<L>("TypeLibInfo")
                                      .Library(kTypeInfoLibrary)
                                      .Get("Name", DISPID_VALUE, &L::Name)
                                      .Get("Guid", 1, &L::GuidString)
                                      .Get("MajorVersion", 2, &L::MajorVersion)
                                      .Get("MinorVersion", 3, &L::MinorVersion)
                                      .Get("LCID", 4, &L::Lcid)
                                      .Method("FindType", 5, &L::FindType, Params({Arg("name")}))
                                      .Build();
    return info;
}

} // namespace ole

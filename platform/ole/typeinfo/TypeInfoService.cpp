#include "platform/ole/typeinfo/TypeInfoService.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/InfoList.h"
#include "platform/ole/typeinfo/InterfaceInfo.h"
#include "platform/ole/typeinfo/TypeLibInfo.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

namespace ole {

Ptr<Object> TypeInfoService::InterfaceInfoFromObject(Ptr<Object> object) const {
    if (!object)
        RaiseError(ERR_OBJECT_NOT_SET);
    const auto description = InterfaceDescription::FromObject(*object);
    if (!description)
        return nullptr;
    return MakeObject<InterfaceInfo>(*description,
                                     TypeLibraryRegistry::LibraryOf(object->GetClassInfo()));
}

Ptr<Object> TypeInfoService::TypeLibInfoFromRegistry(std::string libraryId, int16_t major,
                                                     int16_t minor, int32_t lcid) const {
    const auto guid = Guid::Parse(libraryId);
    if (!guid)
        RaiseError(ERR_INVALID_CALL);
    auto library =
        TypeLibraryRegistry::Load(*guid, static_cast<uint16_t>(major), static_cast<uint16_t>(minor),
                                  static_cast<uint32_t>(lcid));
    if (!library)
        return nullptr;
    return MakeObject<TypeLibInfo>(std::move(library));
}

const ClassInfo& TypeInfoService::Info() {
    using S = TypeInfoService;
    static const ClassInfo info =
        ClassBuilder<S>("TypeInfoService")
            .Library(kTypeInfoLibrary)
            .ClassId(CLSID_TypeInfoService)
            .Method("InterfaceInfoFromObject", 1, &S::InterfaceInfoFromObject,
                    Params({Arg("object")}))
            .Method("TypeLibInfoFromRegistry", 2, &S::TypeLibInfoFromRegistry,
                    Params({Arg("libraryId"), Arg("major"), Arg("minor"), Arg("lcid")}))
            .Build();
    return info;
}

void TypeInfoService::RegisterClass() {
    ole::RegisterClass(
        "TypeInfo.Service", Guid::FromString(CLSID_TypeInfoService),
        [] { return Ptr<Object>(MakeObject<TypeInfoService>()); }, &Info());
}

} // namespace ole

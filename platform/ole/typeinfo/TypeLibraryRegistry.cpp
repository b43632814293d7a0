#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include "platform/base/TextCase.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

#include <algorithm>

namespace ole {

namespace {

struct Registry {
    std::shared_ptr<TypeLibrary> standard;
    std::vector<std::shared_ptr<const TypeLibrary>> libraries;
};

std::shared_ptr<TypeLibrary> MakeStandardTypes() {
    auto library = std::make_shared<TypeLibrary>(
        "StdTypes", Guid::FromString("{6E1B4A30-52D8-4C1F-9A7E-0B3D5F28C611}"), 1, 0);
    library->AddAlias("OLE_COLOR", VT_UI4);
    library->AddClass(Font::Info());
    library->AddClass(Picture::Info());
    return library;
}

Registry& TheRegistry() {
    thread_local Registry registry = [] {
        Registry r;
        r.standard = MakeStandardTypes();
        r.libraries.push_back(r.standard);
        return r;
    }();
    return registry;
}

} // namespace

void TypeLibraryRegistry::Register(std::shared_ptr<const TypeLibrary> library) {
    auto& libraries = TheRegistry().libraries;
    Unregister(library->LibraryId());
    libraries.push_back(std::move(library));
}

void TypeLibraryRegistry::Unregister(const Guid& libraryId) {
    auto& libraries = TheRegistry().libraries;
    std::erase_if(libraries,
                  [&](const auto& library) { return library->LibraryId() == libraryId; });
}

std::shared_ptr<const TypeLibrary> TypeLibraryRegistry::Load(const Guid& libraryId, uint16_t major,
                                                             uint16_t minor, uint32_t lcid) {
    for (const auto& library : TheRegistry().libraries) {
        if (library->LibraryId() == libraryId && library->MajorVersion() == major &&
            library->MinorVersion() == minor && library->Lcid() == lcid)
            return library;
    }
    return nullptr;
}

std::shared_ptr<const TypeLibrary> TypeLibraryRegistry::FindByName(std::string_view name) {
    for (const auto& library : TheRegistry().libraries) {
        if (base::EqualsNoCase(library->Name(), name))
            return library;
    }
    return nullptr;
}

std::shared_ptr<const TypeLibrary> TypeLibraryRegistry::LibraryOf(const ClassInfo& info) {
    for (const auto& library : TheRegistry().libraries) {
        if (library->FindClass(info))
            return library;
    }
    return nullptr;
}

const TypeDescription* TypeLibraryRegistry::FindType(std::string_view name,
                                                     const TypeLibrary* preferred) {
    if (preferred) {
        if (const TypeDescription* type = preferred->FindType(name))
            return type;
    }
    for (const auto& library : TheRegistry().libraries) {
        if (const TypeDescription* type = library->FindType(name))
            return type;
    }
    return nullptr;
}

std::vector<std::shared_ptr<const TypeLibrary>> TypeLibraryRegistry::Libraries() {
    return TheRegistry().libraries;
}

TypeLibrary& StandardTypes() {
    return *TheRegistry().standard;
}

void TypeLibraryRegistry::RegisterOnce(std::string name, const Guid& libraryId, uint16_t major,
                                       uint16_t minor,
                                       const std::function<void(TypeLibrary&)>& fill) {
    if (Load(libraryId, major, minor))
        return;
    auto library = std::make_shared<TypeLibrary>(std::move(name), libraryId, major, minor);
    fill(*library);
    Register(library);
}

} // namespace ole

#pragma once

#include "platform/ole/typeinfo/TypeLibrary.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ole {

// The process's registered type libraries (per thread, like every registry of the platform).
class TypeLibraryRegistry {
public:
    static void Register(std::shared_ptr<const TypeLibrary> library);
    static void Unregister(const Guid& libraryId);
    // An exact identity match on (GUID, major, minor, LCID); null when none is registered.
    static std::shared_ptr<const TypeLibrary> Load(const Guid& libraryId, uint16_t major,
                                                   uint16_t minor, uint32_t lcid = 0);
    static std::shared_ptr<const TypeLibrary> FindByName(std::string_view name);
    // The library describing `info`, null when its class was never registered.
    static std::shared_ptr<const TypeLibrary> LibraryOf(const ClassInfo& info);
    // A type by name, in `preferred` first, then in every library in registration order.
    static const TypeDescription* FindType(std::string_view name,
                                           const TypeLibrary* preferred = nullptr);
    static std::vector<std::shared_ptr<const TypeLibrary>> Libraries();
    // Makes, fills and registers a library unless one with this identity is registered already:
    // a control library's static registration, which may run once per class it registers.
    static void RegisterOnce(std::string name, const Guid& libraryId, uint16_t major,
                             uint16_t minor, const std::function<void(TypeLibrary&)>& fill);
};

// The standard-types library ("StdTypes"): the OLE_COLOR alias and the font and picture classes.
// Always registered.
TypeLibrary& StandardTypes();

} // namespace ole

#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <cstdint>

namespace shelfstrip {

// The identity and contents of the Shelfstrip type library, shared by libShelfstrip.so and by
// static registration (KSButtonBar::Register), so a host finds the same library either way.
class ShelfstripTypes {
public:
    static constexpr uint16_t kMajor = 1;
    static constexpr uint16_t kMinor = 0;
    static const ole::Guid& LibraryId();

    static void AddEnums(ole::TypeLibrary& library);
    static void AddClasses(ole::TypeLibrary& library);
    // Registers a library with both, unless one with this identity is registered already.
    static void RegisterOnce();
};

} // namespace shelfstrip

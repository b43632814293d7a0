#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <memory>

namespace attrgrid {

// The identity and contents of the Attrgrid type library, shared by libAttrgrid.so and by static
// registration (ZAVeravuvuDudu::Register), so a host finds the same library either way.
class AttrgridTypes {
public:
    static constexpr const char* kName = "Attrgrid";
    static constexpr uint16_t kMajor = 1;
    static constexpr uint16_t kMinor = 0;
    static const ole::Guid& LibraryId();

    // The control's enumerations (ksActiveView ... ksDrawStage), by the names its members use.
    static void AddEnums(ole::TypeLibrary& library);
    // The classes a host meets: the control and the public model.
    static void AddClasses(ole::TypeLibrary& library);
    // Registers a library with both, unless one with this identity is registered already.
    static void RegisterOnce();
};

} // namespace attrgrid

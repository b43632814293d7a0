#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

namespace huechooser {

// The identity and contents of the Huechooser type library, shared by libHuechooser.so and by
// static registration (KSColorPicker::Register), so a host finds the same library either way.
class HuechooserTypes {
public:
    static constexpr const char* kName = "Huechooser";
    static constexpr uint16_t kMajor = 1;
    static constexpr uint16_t kMinor = 0;
    static const ole::Guid& LibraryId();

    static void AddEnums(ole::TypeLibrary& library);
    static void AddClasses(ole::TypeLibrary& library);
    // Registers a library with both, unless one with this identity is registered already.
    static void RegisterOnce();
};

} // namespace huechooser

#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <cstdint>

namespace rowbox {

// The identity and contents of the Rowbox type library, shared by libRowbox.so and by static
// registration (KSListBox::Register), so a host finds the same library either way.
class RowboxTypes {
public:
    static constexpr const char* kName = "Rowbox";
    static constexpr uint16_t kMajor = 1;
    static constexpr uint16_t kMinor = 0;
    static const ole::Guid& LibraryId();

    // ksAppearance and ksBorderStyle, with this library's own members.
    static void AddEnums(ole::TypeLibrary& library);
    // Registers a library with the enumerations and the control, unless one with this identity is
    // registered already.
    static void RegisterOnce();
};

} // namespace rowbox

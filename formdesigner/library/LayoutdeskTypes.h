#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <cstdint>

namespace layoutdesk {

// The identity and contents of the Layoutdesk type library, shared by libLayoutdesk.so and by
// static registration (ZORudeRuduvozu::Register), so a host finds the same library either way.
class LayoutdeskTypes {
public:
    static constexpr const char* kName = "Layoutdesk";
    static constexpr uint16_t kMajor = 1;
    static constexpr uint16_t kMinor = 0;
    static const ole::Guid& LibraryId();

    static void AddEnums(ole::TypeLibrary& library);
    // The control and the listener interfaces hosts may implement.
    static void AddClasses(ole::TypeLibrary& library);
    // Registers a library with both, unless one with this identity is registered already.
    static void RegisterOnce();
};

} // namespace layoutdesk

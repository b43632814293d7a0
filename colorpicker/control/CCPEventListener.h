#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <string>

namespace huechooser {

// A public listener interface of the library's type library, for hosts that want its shape.
// Nothing in the library calls it; its members do nothing.
class CCPEventListener : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdTabChanged = 0x60030000,
        IdSelectedColorChanged = 0x60030001,
        IdPaletteOpened = 0x60030002,
        IdPaletteClosed = 0x60030003,
        IdGetSystemColorName = 0x60030004,
        IdCustomColorChanged = 0x60030005,
    };

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    void TabChanged() {}
    void SelectedColorChanged() {}
    void PaletteOpened() {}
    void PaletteClosed() {}
    std::string GetSystemColorName(int32_t) { return {}; }
    void CustomColorChanged(int16_t, int32_t) {}
};

} // namespace huechooser

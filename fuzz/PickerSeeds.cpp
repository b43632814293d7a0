// Seeds for the colour picker's ReadProperties: the bag a new control saves, and one with a
// system colour selected, a caption, a font and a custom colour.
#include "FuzzSeeds.h"
#include "StoredControl.h"

#include "colorpicker/control/KSColorPicker.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    return SavedControls(huechooser::KSColorPicker::kProgId, &huechooser::KSColorPicker::Register,
                         {10, 10, 130, 31}, {[](ole::Object& object) {
                             auto& picker = static_cast<huechooser::KSColorPicker&>(object);
                             picker.LetSelectedColor(static_cast<int32_t>(0x8000000F));
                             picker.LetPaletteTabCaption("Colours");
                             picker.GetFont()->SetBold(true);
                             picker.DropDownCustomColorChanged(3, 0x123456);
                         }});
}

} // namespace fuzz

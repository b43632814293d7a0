// Seeds for the property list's ReadProperties: the bag a new control saves, and one with every
// kind of stored value it keeps (text, colours, numbers, a font).
#include "FuzzSeeds.h"
#include "StoredControl.h"

#include "propertylist/control/ZAVeravuvuDudu.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    return SavedControls(attrgrid::ZAVeravuvuDudu::kProgId, &attrgrid::ZAVeravuvuDudu::Register,
                         {10, 10, 310, 250}, {[](ole::Object& object) {
                             auto& grid = static_cast<attrgrid::ZAVeravuvuDudu&>(object);
                             grid.LetAlphabeticTabCaption("Abc");
                             grid.LetBackColor(0x00102030);
                             grid.LetIndentation(12.5F);
                             grid.GetFont()->SetItalic(true);
                         }});
}

} // namespace fuzz

// Seeds for the list box's ReadProperties: the bag a new control saves, and one with every key
// changed, a selected item (whose index the loaded, empty list cannot take) among them.
#include "FuzzSeeds.h"
#include "StoredControl.h"

#include "listbox/control/KSListBox.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    return SavedControls(rowbox::KSListBox::kProgId, &rowbox::KSListBox::Register,
                         {10, 10, 130, 34}, {[](ole::Object& object) {
                             auto& list = static_cast<rowbox::KSListBox&>(object);
                             list.LetAppearance(rowbox::ks3d);
                             list.LetBackColor(0x00102030);
                             list.LetBorderStyle(rowbox::ksNone);
                             list.GetFont()->SetItalic(true);
                             list.LetForeColor(0x00405060);
                             list.AddItem("One", -1);
                             list.AddItem("Two", -1);
                             list.LetListIndex(1);
                         }});
}

} // namespace fuzz

#include "listbox/control/KSListBox.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/convert/Conversions.h"

namespace rowbox {

namespace {

constexpr int32_t kBackColor = static_cast<int32_t>(forms::kWindowBackground);
constexpr int32_t kForeColor = static_cast<int32_t>(forms::kWindowText);

} // namespace

// Items and item data are not persisted, so a stored ListIndex can only name an item of an empty
// list: it is applied only when the list has that item, and the load goes on either way.
void KSListBox::OnReadProperties(ole::PropertyBag& bag) {
    AttachCombo();
    LetAppearance(ole::CLng(bag.ReadProperty("Appearance", ole::Variant(int32_t{ksFlat}))));
    LetBackColor(ole::CLng(bag.ReadProperty("Backcolor", ole::Variant(kBackColor))));
    LetBorderStyle(
        ole::CLng(bag.ReadProperty("BorderStyle", ole::Variant(int32_t{ksFixedSingle}))));
    const ole::Ptr<ole::Font> ambient = GetAmbient()->Font();
    SetFont(ole::PtrCast<ole::Font>(bag.ReadProperty("Font", ole::Variant(ambient)).AsObject()));
    LetForeColor(ole::CLng(bag.ReadProperty("ForeColor", ole::Variant(kForeColor))));
    const int32_t listIndex = ole::CLng(bag.ReadProperty("ListIndex", ole::Variant(int16_t{-1})));
    if (listIndex >= -1 && listIndex < GetListCount())
        LetListIndex(listIndex);
}

void KSListBox::OnWriteProperties(ole::PropertyBag& bag) {
    bag.WriteProperty("Appearance", ole::Variant(m_Appearance), ole::Variant(int32_t{ksFlat}));
    bag.WriteProperty("Backcolor", ole::Variant(GetBackColor()), ole::Variant(kBackColor));
    bag.WriteProperty("BorderStyle", ole::Variant(m_BorderStyle),
                      ole::Variant(int32_t{ksFixedSingle}));
    bag.WriteProperty("Font", ole::Variant(GetFont()), ole::Variant(GetAmbient()->Font()));
    bag.WriteProperty("Forecolor", ole::Variant(GetForeColor()), ole::Variant(kForeColor));
    bag.WriteProperty("ListIndex", ole::Variant(static_cast<int16_t>(GetListIndex())),
                      ole::Variant(int16_t{-1}));
}

} // namespace rowbox

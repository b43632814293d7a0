// The control's automation table: the property list and hosts bind by these member ids, so ids,
// kinds and the declaration order are the contract.

#include "listbox/control/KSListBox.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace rowbox {

const ole::ClassInfo& KSListBox::Info() {
    using C = KSListBox;
    using ole::Arg;
    using ole::Help;
    using ole::Opt;
    using ole::Params;
    using ole::Persisted;
    using ole::Typed;
    const auto index = [] { return Params({Arg("Index")}); };
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("KSListBox")
            .Library(kLibraryName)
            .ClassId("{4E2B7C91-5A3D-4F08-B6C1-8D9E0A7F3B21}")
            .Interface("_KSListBox", "{4E2B7C91-5A3D-4F08-B6C1-8D9E0A7F3B22}",
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .EventInterface("__KSListBox", "{4E2B7C91-5A3D-4F08-B6C1-8D9E0A7F3B23}")
            .Help("KSListBox Resizable Drop-down Listbox Control")
            .Property("Appearance", IdAppearance, &C::GetAppearance, &C::LetAppearance,
                      Typed("ksAppearance") | Persisted(int32_t{ksFlat}))
            .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
                      Typed("OLE_COLOR") | Persisted("Backcolor", kDefaultBackColor))
            .Property("BorderStyle", IdBorderStyle, &C::GetBorderStyle, &C::LetBorderStyle,
                      Typed("ksBorderStyle") | Persisted(int32_t{ksFixedSingle}))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont,
                      Typed("Font") | Persisted(&C::DefaultFont))
            .Property("ForeColor", IdForeColor, &C::GetForeColor, &C::LetForeColor,
                      Typed("OLE_COLOR") | Persisted("Forecolor", kDefaultForeColor))
            .Method("AddItem", IdAddItem, &C::AddItem,
                    Params({Arg("sText"), Opt("Index", ole::Variant(-1))}))
            .Method("AddItemEx", IdAddItemEx, &C::AddItemEx,
                    Params({Arg("sText"), Arg("anItemData"), Opt("Index", ole::Variant(-1))}))
            .Method("RemoveItem", IdRemoveItem, &C::RemoveItem, index())
            .Method("Clear", IdClear, &C::Clear)
            .Get("ListCount", IdListCount, &C::GetListCount)
            // Items are not stored, so a stored ListIndex can only name an item the loaded, empty
            // list lacks: the setter refuses it, and the walk goes on with the default kept.
            .Property("ListIndex", IdListIndex, &C::GetListIndex, &C::LetListIndex,
                      Persisted(int32_t{-1}))
            .Get("ItemData", IdItemData, &C::GetItemData, index())
            .Let("ItemData", IdItemData, &C::LetItemData, index())
            .Set("ItemData", IdItemData, &C::LetItemData, index())
            .Get("List", IdList, &C::GetList, index())
            .Get("hwnd", IdHwnd, &C::GetHwnd)
            .Get("ScaleMode", IdScaleMode, &C::GetScaleMode)
            .Event("Change", EvChange)
            .Build();
    return info;
}

} // namespace rowbox

// The control's automation table: the property list and hosts bind by these member ids, so ids,
// kinds and the declaration order are the contract. The bag has an order of its own.

#include "colorpicker/control/KSColorPicker.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace huechooser {

namespace {

using ole::Help;
using ole::Typed;

using ole::Persisted;

// The persisted defaults that name system colours.
ole::Variant SystemColor(uint32_t index) {
    return ole::Variant(static_cast<int32_t>(0x80000000U + index));
}

ole::MemberOptions Color(std::string help) {
    return Typed("OLE_COLOR") | Help(std::move(help));
}

ole::MemberOptions Enum(std::string typeName, std::string help) {
    return Typed(std::move(typeName)) | Help(std::move(help));
}

// The stored form's order, read and written: the captions and the system tab's colour come
// before SelectedColor, whose setter raises SelectedColorChanged while the bag is read.
std::vector<ole::DISPID> StoredOrder() {
    using C = KSColorPicker;
    return {C::IdAppearance,
            C::IdActiveTab,
            C::IdBackColor,
            C::IdBorderStyle,
            C::IdFont,
            C::IdForeColor,
            C::IdHighlightColor,
            C::IdHighlightForeColor,
            C::IdPaletteBackColor,
            C::IdPaletteTabCaption,
            C::IdSystemTabCaption,
            C::IdSystemBackColor,
            C::IdSelectedColor,
            C::IdToolTipBackColor,
            C::IdToolTipForeColor};
}

} // namespace

const ole::ClassInfo& KSColorPicker::Info() {
    using C = KSColorPicker;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("KSColorPicker")
            .Library(kLibraryName)
            .ClassId("{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E11}")
            .Interface("_KSColorPicker", "{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E12}",
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .EventInterface("__KSColorPicker", "{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E13}")
            .Help("Colour picker")
            .Property("Appearance", IdAppearance, &C::GetAppearance, &C::LetAppearance,
                      Enum("ksAppearance", "Flat or 3D look") | Persisted(int32_t{ksFlat}))
            .Property("ActiveTab", IdActiveTab, &C::GetActiveTab, &C::LetActiveTab,
                      Enum("ksCPActiveTab", "Tab the drop-down opens on") |
                          Persisted(int32_t{ksPalette}))
            .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
                      Color("Back colour of the text") | Persisted("Backcolor", SystemColor(5)))
            .Property("BorderStyle", IdBorderStyle, &C::GetBorderStyle, &C::LetBorderStyle,
                      Enum("ksBorderStyle", "Border of the control") |
                          Persisted(int32_t{ksFixedSingle}))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont,
                      Typed("Font") | Help("Font of the text and the drop-down") |
                          Persisted(&C::SurfaceFont))
            .Property("ForeColor", IdForeColor, &C::GetForeColor, &C::LetForeColor,
                      Color("Text colour") | Persisted("Forecolor", SystemColor(18)))
            .Property("HighlightColor", IdHighlightColor, &C::GetHighlightColor,
                      &C::LetHighlightColor,
                      Color("Bar behind the selected system colour") | Persisted(SystemColor(13)))
            .Property("HighlightForeColor", IdHighlightForeColor, &C::GetHighlightForeColor,
                      &C::LetHighlightForeColor,
                      Color("Text of the selected system colour") | Persisted(SystemColor(14)))
            .Property("PaletteBackColor", IdPaletteBackColor, &C::GetPaletteBackColor,
                      &C::LetPaletteBackColor,
                      Color("Background of the palette tab") | Persisted(&C::PaletteBackDefault))
            .Property("SystemBackColor", IdSystemBackColor, &C::GetSystemBackColor,
                      &C::LetSystemBackColor,
                      Color("Background of the system tab") | Persisted(SystemColor(5)))
            .Property("SelectedColor", IdSelectedColor, &C::GetSelectedColor, &C::LetSelectedColor,
                      Color("The chosen colour") | Persisted(int32_t{0}))
            .Property("SystemColorName", IdSystemColorName, &C::GetSystemColorName,
                      &C::LetSystemColorName,
                      ole::Params({ole::Arg("eSysClr", "ksSystemColors")}) |
                          Help("Name shown for a system colour"))
            .Method("ResetSystemColorsNames", IdResetSystemColorsNames, &C::ResetSystemColorsNames,
                    Help("Restores the system colour names"))
            .Property("PaletteTabCaption", IdPaletteTabCaption, &C::GetPaletteTabCaption,
                      &C::LetPaletteTabCaption,
                      Help("Caption of the palette tab") | Persisted("Palette"))
            .Property("SystemTabCaption", IdSystemTabCaption, &C::GetSystemTabCaption,
                      &C::LetSystemTabCaption,
                      Help("Caption of the system tab") | Persisted("System"))
            .Get("hwnd", IdHwnd, &C::GetHwnd, Help("Window of the control"))
            .Get("ScaleMode", IdScaleMode, &C::GetScaleMode, Help("Units of the control"))
            .Property("ToolTipBackColor", IdToolTipBackColor, &C::GetToolTipBackColor,
                      &C::LetToolTipBackColor,
                      Color("Background of the name tip") | Persisted(SystemColor(24)))
            .Property("ToolTipForeColor", IdToolTipForeColor, &C::GetToolTipForeColor,
                      &C::LetToolTipForeColor,
                      Color("Text of the name tip") | Persisted(int32_t{0}))
            .ReadOrder(StoredOrder())
            .WriteOrder(StoredOrder())
            .Event("TabChanged", EvTabChanged)
            .Event("SelectedColorChanged", EvSelectedColorChanged)
            .Event("PaletteOpened", EvPaletteOpened)
            .Event("PaletteClosed", EvPaletteClosed)
            .Build();
    return info;
}

} // namespace huechooser

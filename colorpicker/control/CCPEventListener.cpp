#include "colorpicker/control/CCPEventListener.h"

#include "colorpicker/control/KSColorPicker.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace huechooser {

const ole::ClassInfo& CCPEventListener::Info() {
    using C = CCPEventListener;
    using ole::Arg;
    using ole::Params;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CCPEventListener")
            .Library(KSColorPicker::kLibraryName)
            .ClassId("{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E21}")
            .Interface("_CCPEventListener", "{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E22}",
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .Method("TabChanged", IdTabChanged, &C::TabChanged)
            .Method("SelectedColorChanged", IdSelectedColorChanged, &C::SelectedColorChanged)
            .Method("PaletteOpened", IdPaletteOpened, &C::PaletteOpened)
            .Method("PaletteClosed", IdPaletteClosed, &C::PaletteClosed)
            .Method("GetSystemColorName", IdGetSystemColorName, &C::GetSystemColorName,
                    Params({Arg("nSysClr")}))
            .Method("CustomColorChanged", IdCustomColorChanged, &C::CustomColorChanged,
                    Params({Arg("Index"), Arg("nCustomClr")}))
            .Build();
    return info;
}

} // namespace huechooser

#include "colorpicker/library/HuechooserTypes.h"

#include "colorpicker/control/CCPEventListener.h"
#include "colorpicker/control/KSColorPicker.h"

#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace huechooser {

const ole::Guid& HuechooserTypes::LibraryId() {
    static const ole::Guid id = ole::Guid::FromString("{5B2E8F41-7C3D-4A96-B1E0-2D6F9A4C7E00}");
    return id;
}

void HuechooserTypes::AddEnums(ole::TypeLibrary& library) {
    library.AddEnum("ksAppearance", {{"ksFlat", ksFlat}, {"ks3d", ks3d}});
    library.AddEnum("ksBorderStyle", {{"ksNone", ksNone}, {"ksFixedSingle", ksFixedSingle}});
    library.AddEnum("ksCPActiveTab", {{"ksPalette", ksPalette}, {"ksSystem", ksSystem}});
    static constexpr const char* kSystemColors[] = {"ksScrollBars",
                                                    "ksDesktop",
                                                    "ksActiveTitleBar",
                                                    "ksInactiveTitleBar",
                                                    "ksMenuBar",
                                                    "ksWindowBackground",
                                                    "ksWindowFrame",
                                                    "ksMenuText",
                                                    "ksWindowText",
                                                    "ksActiveTitleBarText",
                                                    "ksActiveBorder",
                                                    "ksInactiveBorder",
                                                    "ksApplicationWorkspace",
                                                    "ksHighlight",
                                                    "ksHighlightText",
                                                    "ksButtonFace",
                                                    "ksButtonShadow",
                                                    "ksDisabledText",
                                                    "ksButtonText",
                                                    "ksInactiveTitleBarText",
                                                    "ksButtonHighlight",
                                                    "ksButtonDarkShadow",
                                                    "ksButtonLightShadow",
                                                    "ksToolTipText",
                                                    "ksToolTip"};
    std::vector<ole::EnumConstant> members;
    for (int32_t i = 0; i < KSColorPicker::kSystemColorCount; ++i)
        members.push_back({kSystemColors[i], i});
    library.AddEnum("ksSystemColors", members);
}

void HuechooserTypes::AddClasses(ole::TypeLibrary& library) {
    library.AddClass(KSColorPicker::Info());
    library.AddClass(CCPEventListener::Info());
}

void HuechooserTypes::RegisterOnce() {
    ole::TypeLibraryRegistry::RegisterOnce(kName, LibraryId(), kMajor, kMinor,
                                           [](ole::TypeLibrary& library) {
                                               AddEnums(library);
                                               AddClasses(library);
                                           });
}

} // namespace huechooser

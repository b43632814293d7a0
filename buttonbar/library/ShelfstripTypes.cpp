#include "buttonbar/library/ShelfstripTypes.h"

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/library/ShelfstripIds.h"

#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <memory>

namespace shelfstrip {

const ole::Guid& ShelfstripTypes::LibraryId() {
    static const ole::Guid id = ole::Guid::FromString(ids::kLibrary);
    return id;
}

void ShelfstripTypes::AddEnums(ole::TypeLibrary& library) {
    library.AddEnum("ksControlAppearance", {{"ksFlatControl", 0}, {"ks3dControl", 1}});
    library.AddEnum("ksAppearance", {{"ksFlat", 0},
                                     {"ksFlatWithBorder", 1},
                                     {"ksClassic3DRaised", 2},
                                     {"ksModern3dRaised", 3},
                                     {"ksClassic3dSunken", 4},
                                     {"ksModern3dSunken", 5}});
    library.AddEnum("ksBorderStyle", {{"ksNone", 0}, {"ksFixedSingle", 1}});
    library.AddEnum("ksButtonLayout", {{"ksTiled", 0}, {"ksLinear", 1}});
    library.AddEnum("KSBackgroundLayout",
                    {{"ksPictureCentered", 0}, {"ksPictureStretched", 1}, {"ksPictureTiled", 2}});
    library.AddEnum("ksButtonSize", {{"ksAutoCalculated", 0}, {"ksUserSpecified", 1}});
    library.AddEnum("ksShowInfo", {{"ksPictureOnly", 0}, {"ksPictureAndCaption", 1}});
    library.AddEnum("ksFlowDirection", {{"ksVertical", 0}, {"ksHorizontal", 1}});
    library.AddEnum("ksTextPosition",
                    {{"ksLeft", 0}, {"ksRight", 1}, {"ksTop", 2}, {"ksBottom", 3}});
    library.AddEnum("ksButtonHighlightZone", {{"ksZonePictureAndText", 0}, {"ksZonePicture", 1}});
    library.AddEnum("ksHitType", {{"ksCaptionHit", 0},
                                  {"ksCloseButtonHit", 1},
                                  {"ksGroupHit", 2},
                                  {"ksButtonHit", 3},
                                  {"ksTLScrollButtonHit", 4},
                                  {"ksBRScrollButtonHit", 5},
                                  {"ksUnknownHit", 6}});
    library.AddEnum("ksGradientType", {{"ksGradientNone", 0},
                                       {"ksGradientHorizontal", 1},
                                       {"ksGradientHorizontalCenter", 2},
                                       {"ksGradientVertical", 3},
                                       {"ksGradientVerticalCenter", 4}});
}

void ShelfstripTypes::AddClasses(ole::TypeLibrary& library) {
    library.AddClass(KSButtonBar::Info());
    library.AddClass(CGroups::Info());
    library.AddClass(CGroup::Info());
    library.AddClass(CButtons::Info());
    library.AddClass(CButton::Info());
}

void ShelfstripTypes::RegisterOnce() {
    if (ole::TypeLibraryRegistry::Load(LibraryId(), kMajor, kMinor))
        return;
    auto library = std::make_shared<ole::TypeLibrary>(kLibraryName, LibraryId(), kMajor, kMinor);
    AddEnums(*library);
    AddClasses(*library);
    ole::TypeLibraryRegistry::Register(library);
}

} // namespace shelfstrip

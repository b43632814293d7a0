#include "formdesigner/library/LayoutdeskTypes.h"

#include "formdesigner/control/ZORudeRuduvozu.h"
#include "formdesigner/hooks/HookListenerObject.h"
#include "formdesigner/layout/CPropertyBag.h"

#include "shared/subclass/SubclassListenerObject.h"

#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <memory>

namespace layoutdesk {

const ole::Guid& LayoutdeskTypes::LibraryId() {
    static const ole::Guid id = ole::Guid::FromString("{2B6F0D84-7C1E-4A95-8E3D-9F4A6C1B0000}");
    return id;
}

void LayoutdeskTypes::AddEnums(ole::TypeLibrary& library) {
    library.AddEnum("ksMode", {{"ksModeRun", 0}, {"ksModeDraw", 1}, {"ksModeSelect", 2}});
    library.AddEnum("ksScope", {{"ksScopeThis", 0}, {"ksScopeSelected", 1}, {"ksScopeAll", 2}});
    library.AddEnum("ksResizeType", {{"ksSizeHorzAbsolute", 0},
                                     {"ksSizeHorzShrinkToSmallest", 1},
                                     {"ksSizeHorzExpandToLargest", 2},
                                     {"ksSizeVertAbsolute", 3},
                                     {"ksSizeVertShrinkToSmallest", 4},
                                     {"ksSizeVertExpandToLargest", 5}});
    library.AddEnum("ksAlignTypes", {{"ksAlignLeft", 0},
                                     {"ksAlignTop", 1},
                                     {"ksAlignRight", 2},
                                     {"ksAlignBottom", 3},
                                     {"ksAlignGrid", 4}});
    library.AddEnum("ksBorderStyle", {{"None", 0}, {"Fixed Single", 1}});
}

void LayoutdeskTypes::AddClasses(ole::TypeLibrary& library) {
    library.AddClass(ZORudeRuduvozu::Info());
    library.AddClass(CPropertyBag::Info());
    library.AddClass(HookListenerObject::Info());
    library.AddClass(shared::SubclassListenerObject::Info());
}

void LayoutdeskTypes::RegisterOnce() {
    if (ole::TypeLibraryRegistry::Load(LibraryId(), kMajor, kMinor))
        return;
    auto library = std::make_shared<ole::TypeLibrary>(kName, LibraryId(), kMajor, kMinor);
    AddEnums(*library);
    AddClasses(*library);
    ole::TypeLibraryRegistry::Register(library);
}

} // namespace layoutdesk

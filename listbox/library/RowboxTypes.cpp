#include "listbox/library/RowboxTypes.h"

#include "listbox/control/KSListBox.h"

#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

namespace rowbox {

const ole::Guid& RowboxTypes::LibraryId() {
    static const ole::Guid id = ole::Guid::FromString("{4E2B7C91-5A3D-4F08-B6C1-8D9E0A7F3B20}");
    return id;
}

void RowboxTypes::AddEnums(ole::TypeLibrary& library) {
    library.AddEnum("ksAppearance", {{"ksFlat", ksFlat}, {"ks3d", ks3d}});
    library.AddEnum("ksBorderStyle", {{"ksNone", ksNone}, {"ksFixedSingle", ksFixedSingle}});
}

void RowboxTypes::RegisterOnce() {
    ole::TypeLibraryRegistry::RegisterOnce(kName, LibraryId(), kMajor, kMinor,
                                           [](ole::TypeLibrary& library) {
                                               AddEnums(library);
                                               library.AddClass(KSListBox::Info());
                                           });
}

} // namespace rowbox

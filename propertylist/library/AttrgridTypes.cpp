#include "propertylist/library/AttrgridTypes.h"

#include "propertylist/control/ZAVeravuvuDudu.h"
#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"
#include "propertylist/model/listitems/CListItem.h"
#include "propertylist/model/listitems/CListItems.h"
#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CProperty.h"
#include "propertylist/model/property/CPropertyListenerObject.h"
#include "propertylist/model/rows/CNodeListenerObject.h"

#include "shared/subclass/SubclassListenerObject.h"

#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

namespace attrgrid {

const ole::Guid& AttrgridTypes::LibraryId() {
    static const ole::Guid id = ole::Guid::FromString("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210000}");
    return id;
}

void AttrgridTypes::AddEnums(ole::TypeLibrary& library) {
    library.AddEnum("ksActiveView", {{"ksAlphabetic", 0}, {"ksCatagorized", 1}});
    library.AddEnum("ksAppearance", {{"ksFlat", 0}, {"ks3d", 1}});
    library.AddEnum("ksBorderStyle", {{"ksNone", 0}, {"ksFixedSingle", 1}});
    library.AddEnum("ksGrid", {{"ksGridNone", 0}, {"ksGridSolid", 1}, {"ksGridDotted", 2}});
    library.AddEnum("ksHeaders", {{"ksHeadersNone", 0}, {"ksHeadersFlat", 1}, {"ksHeaders3d", 2}});
    library.AddEnum("ksPictureLayout",
                    {{"ksPictureCentered", 0}, {"ksPictureStretched", 1}, {"ksPictureTiled", 2}});
    library.AddEnum("ksSortOrder", {{"ksAscending", 0}, {"ksDescending", 1}});
    library.AddEnum("ksTreeStyle", {{"ksText", 0},
                                    {"ksPlusMinusText", 1},
                                    {"ksTreelinesText", 2},
                                    {"ksTreeLinesPlusMinusText", 3}});
    library.AddEnum("ksDrawStage", {{"ksPreErase", 0}, {"ksPostErase", 1}, {"ksPostDraw", 2}});
    library.AddEnum("ksEditorType", {{"ksCustomDialog", 0},
                                     {"KSCustomEditor", 1},
                                     {"ksTextEditor", 2},
                                     {"KSNumberEditor", 3},
                                     {"ksBooleanEditor", 4},
                                     {"KSFontEditor", 5},
                                     {"KSDateEditor", 6},
                                     {"ksFileEditor", 7},
                                     {"KSDirectoryEditor", 8},
                                     {"KSListEditor", 9},
                                     {"KSColorEditor", 10},
                                     {"ksPictureEditor", 11}});
    // The flags the file and directory editors read from "FileFlags" and "FolderFlags".
    library.AddEnum("ksFileFlags", {{"ksffReadOnly", 1},
                                    {"ksffHideReadOnly", 4},
                                    {"ksffNoChangeDir", 8},
                                    {"ksffNoValidate", 256},
                                    {"ksffAllowMultiselect", 512},
                                    {"ksffPathMustExist", 2048},
                                    {"ksffFileMustExist", 4096},
                                    {"ksffCreatePrompt", 8192},
                                    {"ksffShareAware", 16384},
                                    {"ksffNoReadOnlyReturn", 32768},
                                    {"ksffNoLongNames", 262144},
                                    {"ksffExplorer", 524288},
                                    {"ksffNoDereferenceLinks", 1048576},
                                    {"ksffLongNames", 2097152}});
    library.AddEnum("ksFolderFlags", {{"ksBfDontGoBelowDomain", 2},
                                      {"ksBfEditBox", 16},
                                      {"ksBfBrowseForComputer", 4096},
                                      {"ksBfBrowseForPrinter", 8192},
                                      {"ksBfBrowseIncludeFiles", 16384}});
}

void AttrgridTypes::AddClasses(ole::TypeLibrary& library) {
    library.AddClass(ZAVeravuvuDudu::Info());
    library.AddClass(CProperties::Info());
    library.AddClass(CProperty::Info());
    library.AddClass(CListItems::Info());
    library.AddClass(CListItem::Info());
    library.AddClass(CEditorListener::Info());
    library.AddClass(CEditor::Info());
    // The listener interfaces hosts may implement.
    library.AddClass(shared::SubclassListenerObject::Info());
    library.AddClass(CPropertyListenerObject::Info());
    library.AddClass(CNodeListenerObject::Info());
}

void AttrgridTypes::RegisterOnce() {
    ole::TypeLibraryRegistry::RegisterOnce(kName, LibraryId(), kMajor, kMinor,
                                           [](ole::TypeLibrary& library) {
                                               AddEnums(library);
                                               AddClasses(library);
                                           });
}

} // namespace attrgrid

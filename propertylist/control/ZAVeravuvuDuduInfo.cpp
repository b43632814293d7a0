// The control's automation table: hosts bind by these member ids (the demo calls every member late
// by id), so ids, kinds and the declaration order are the contract. The persisted properties are
// given their defaults, read and written in the same order: by key, ignoring case.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace attrgrid {

namespace {

using ole::Help;
using ole::InitValue;
using ole::Persisted;
using ole::Typed;

// A colour default is a Long, as the colour properties return it.
ole::Variant SystemColor(uint32_t index) {
    return ole::Variant(static_cast<int32_t>(0x80000000U + index));
}

ole::MemberOptions Color(std::string help) {
    return Typed("OLE_COLOR") | Help(std::move(help));
}

ole::MemberOptions Enum(std::string typeName, std::string help) {
    return Typed(std::move(typeName)) | Help(std::move(help));
}

ole::EventParam PropertyArg(std::string name) {
    return ole::EventParam(std::move(name), ole::VT_DISPATCH, false, "CProperty");
}

ole::EventParam ByRefBool(std::string name) {
    return ole::EventParam(std::move(name), ole::VT_BOOL, true);
}

} // namespace

const ole::ClassInfo& ZAVeravuvuDudu::Info() {
    using C = ZAVeravuvuDudu;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("ZAVeravuvuDudu")
            .Library(kLibraryName)
            .ClassId("{8F411A57-166E-402F-AC97-C294A003FDF0}")
            .Interface("_ZAVeravuvuDudu", "{9D8AECE4-D09A-490A-A3D1-2FF3322E185A}",
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .EventInterface("__ZAVeravuvuDudu", "{9BE60859-42A7-4E24-A493-181716888826}")
            .Help("Property list")
            .Property("ActiveView", IdActiveView, &C::GetActiveView, &C::LetActiveView,
                      Enum("ksActiveView", "The view shown: alphabetic or categorized") |
                          Persisted(int32_t{ksAlphabetic}))
            .Property("AlphabeticTabCaption", IdAlphabeticTabCaption, &C::GetAlphabeticTabCaption,
                      &C::LetAlphabeticTabCaption,
                      Help("Caption of the alphabetic tab") | Persisted("Alphabetic"))
            .Property("Appearance", IdAppearance, &C::GetAppearance, &C::LetAppearance,
                      Enum("ksAppearance", "Flat or 3D look of the grid") |
                          Persisted(int32_t{ks3d}))
            .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
                      Color("Back colour of the panels") | Persisted(SystemColor(15)))
            .Property("BorderStyle", IdBorderStyle, &C::GetBorderStyle, &C::LetBorderStyle,
                      Enum("ksBorderStyle", "Border of the control") | Persisted(int32_t{ksNone}))
            .Property("CategorizedTabCaption", IdCategorizedTabCaption,
                      &C::GetCategorizedTabCaption, &C::LetCategorizedTabCaption,
                      Help("Caption of the categorized tab") | Persisted("Categorized"))
            .Property("CategoryAppearance", IdCategoryAppearance, &C::GetCategoryAppearance,
                      &C::LetCategoryAppearance,
                      Enum("ksAppearance", "Look of category rows") | Persisted(int32_t{ks3d}))
            .Property("CategoryBackColor", IdCategoryBackColor, &C::GetCategoryBackColor,
                      &C::LetCategoryBackColor,
                      Color("Back colour of category rows") | Persisted(SystemColor(15)))
            .Property("CategoryBold", IdCategoryBold, &C::GetCategoryBold, &C::LetCategoryBold,
                      Help("Category rows in bold") | Persisted(true))
            .Property("CategoryForeColor", IdCategoryForeColor, &C::GetCategoryForeColor,
                      &C::LetCategoryForeColor,
                      Color("Text colour of category rows") | Persisted(SystemColor(18)))
            .Property("CategorySeparator", IdCategorySeparator, &C::GetCategorySeparator,
                      &C::LetCategorySeparator,
                      Help("Separator of nested categories") | Persisted("|"))
            .Property("CustomSort", IdCustomSort, &C::GetCustomSort, &C::LetCustomSort,
                      Help("Sorting asks the host to compare rows") | Persisted(false))
            .Property("DefaultCategory", IdDefaultCategory, &C::GetDefaultCategory,
                      &C::LetDefaultCategory,
                      Help("Category of properties added without one") | Persisted("Misc"))
            .Property("Enabled", IdEnabled, &C::GetEnabled, &C::LetEnabled,
                      Help("Whether the control takes input") | InitValue(true))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont,
                      Typed("Font") | Help("Font of the rows") | Persisted(&C::DefaultFont))
            .Property("ForeColor", IdForeColor, &C::GetForeColor, &C::LetForeColor,
                      Color("Text colour of the panels") | Persisted(SystemColor(18)))
            .Property("Grid", IdGrid, &C::GetGrid, &C::LetGrid,
                      Enum("ksGrid", "Grid lines") | Persisted(int32_t{ksGridDotted}))
            .Property("Headers", IdHeaders, &C::GetHeaders, &C::LetHeaders,
                      Enum("ksHeaders", "Column headers") | Persisted(int32_t{ksHeaders3d}))
            .Property("HighlightBackColor", IdHighlightBackColor, &C::GetHighlightBackColor,
                      &C::LetHighlightBackColor,
                      Color("Back colour of the selected row") | Persisted(SystemColor(13)))
            .Property("HighlightForeColor", IdHighlightForeColor, &C::GetHighlightForeColor,
                      &C::LetHighlightForeColor,
                      Color("Text colour of the selected row") | Persisted(SystemColor(14)))
            .Get("hwnd", IdHwnd, &C::GetHwnd, Help("Window handle of the grid"))
            .Property("Indentation", IdIndentation, &C::GetIndentation, &C::LetIndentation,
                      Help("Indentation of nested rows") | Persisted(&C::DefaultIndentation))
            .Property("LineColor", IdLineColor, &C::GetLineColor, &C::LetLineColor,
                      Color("Colour of grid and tree lines") | Persisted(SystemColor(16)))
            .Method("LoadObjectProperties", IdLoadObjectProperties, &C::LoadObjectProperties,
                    ole::Params({ole::Arg("aVBObject"), ole::Opt("bClear", ole::Variant(false)),
                                 ole::Opt("bAutoUpdate", ole::Variant(false))}) |
                        Help("Shows the properties of an object"))
            .Property("LockRefresh", IdLockRefresh, &C::GetLockRefresh, &C::LetLockRefresh,
                      Help("Suspends layout and repaints"))
            .Property("NameCaption", IdNameCaption, &C::GetNameCaption, &C::LetNameCaption,
                      Help("Caption of the name column") | Persisted("Property"))
            .Property("Picture", IdPicture, &C::GetPicture, &C::SetPicture,
                      Typed("Picture") | Help("Background picture of the grid") |
                          Persisted(ole::Variant::Nothing()))
            .Property("PictureLayout", IdPictureLayout, &C::GetPictureLayout, &C::LetPictureLayout,
                      Enum("ksPictureLayout", "Placement of the picture") |
                          Persisted(int32_t{ksPictureCentered}))
            .Get("Properties", IdProperties, &C::GetProperties,
                 Typed("CProperties") | Help("The properties shown"))
            .Property("PropertyBackColor", IdPropertyBackColor, &C::GetPropertyBackColor,
                      &C::LetPropertyBackColor,
                      Color("Back colour of property rows") | Persisted(SystemColor(5)))
            .Property("PropertyForeColor", IdPropertyForeColor, &C::GetPropertyForeColor,
                      &C::LetPropertyForeColor,
                      Color("Text colour of property rows") | Persisted(SystemColor(18)))
            .Method("Refresh", IdRefresh, &C::Refresh, Help("Repaints the control"))
            .Method("RegisterEditor", IdRegisterEditor, &C::RegisterEditor,
                    ole::Params({ole::Arg("sKey"), ole::Arg("anEditor")}) |
                        Help("Adds an editor of the host"))
            .Property("SelectedProperty", IdSelectedProperty, &C::GetSelectedProperty,
                      &C::SetSelectedProperty, Typed("CProperty") | Help("The selected property"))
            .Property("ShowDescription", IdShowDescription, &C::GetShowDescription,
                      &C::LetShowDescription, Help("Shows the description pane") | Persisted(true))
            .Property("ShowTabs", IdShowTabs, &C::GetShowTabs, &C::LetShowTabs,
                      Help("Shows the view tabs") | Persisted(true))
            .Property("ShowToolTip", IdShowToolTip, &C::GetShowToolTip, &C::LetShowToolTip,
                      Help("Shows tips for cut-off texts") | Persisted(true))
            .Property("Sorted", IdSorted, &C::GetSorted, &C::LetSorted,
                      Help("Rows are sorted by name") | Persisted(false))
            .Property("SortOnHeaderClick", IdSortOnHeaderClick, &C::GetSortOnHeaderClick,
                      &C::LetSortOnHeaderClick,
                      Help("A header click sorts the rows") | Persisted(true))
            .Property("SortOrder", IdSortOrder, &C::GetSortOrder, &C::LetSortOrder,
                      Enum("ksSortOrder", "Direction of sorting") | Persisted(int32_t{ksAscending}))
            .Property("TreeStyle", IdTreeStyle, &C::GetTreeStyle, &C::LetTreeStyle,
                      Enum("ksTreeStyle", "Tree lines and boxes of the categorized view") |
                          Persisted(int32_t{ksPlusMinusText}))
            .Method("UnRegisterEditor", IdUnRegisterEditor, &C::UnRegisterEditor,
                    ole::Params({ole::Arg("sKey")}) | Help("Removes an editor of the host"))
            .Property("ValueCaption", IdValueCaption, &C::GetValueCaption, &C::LetValueCaption,
                      Help("Caption of the value column") | Persisted("Value"))
            .Event("PropertyAdded", EvPropertyAdded, {PropertyArg("aProperty")})
            .Event("PropertyDeleted", EvPropertyDeleted, {PropertyArg("aProperty")})
            .Event("PropertyDraw", EvPropertyDraw,
                   {{"hPropertyDC", ole::VT_I4},
                    PropertyArg("aProperty"),
                    {"cx", ole::VT_I4},
                    {"cy", ole::VT_I4},
                    {"eDrawStage", ole::VT_I4, false, "ksDrawStage"},
                    ByRefBool("bDoDefault")})
            .Event("PropertyCompare", EvPropertyCompare,
                   {PropertyArg("FirstProperty"),
                    PropertyArg("SecondProperty"),
                    {"bNameButtonClicked", ole::VT_BOOL},
                    ByRefBool("bSwap")})
            .Event("CategoryCompare", EvCategoryCompare,
                   {{"FirstCategory", ole::VT_BSTR},
                    {"SecondCategory", ole::VT_BSTR},
                    {"bNameButtonClicked", ole::VT_BOOL},
                    ByRefBool("bSwap")})
            .Event("SelChanged", EvSelChanged, {PropertyArg("currProperty")})
            .Event("HelpRequested", EvHelpRequested,
                   {PropertyArg("aProperty"), ByRefBool("bProcessDefault")})
            .Event("ValidateValue", EvValidateValue,
                   {PropertyArg("aProperty"), {"newValue", ole::VT_VARIANT}, ByRefBool("bCancel")})
            .Event("ShowEditorDialog", EvShowEditorDialog,
                   {PropertyArg("aProperty"), {"PropValue", ole::VT_VARIANT, true}})
            .Event("ActiveViewChanged", EvActiveViewChanged, {})
            .Event(
                "DisplayError", EvDisplayError,
                {{"sMessage", ole::VT_BSTR}, {"nErrorCode", ole::VT_I4}, ByRefBool("bShowMsgBox")})
            .Build();
    return info;
}

} // namespace attrgrid

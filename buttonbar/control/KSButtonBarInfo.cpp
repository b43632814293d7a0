// The control's automation table: hosts bind by these member ids, so ids, kinds and the
// declaration order are the contract.

#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripIds.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace shelfstrip {

namespace {

using ole::Help;
using ole::Typed;

ole::MemberOptions Color(std::string help) {
    return Typed("OLE_COLOR") | Help(std::move(help));
}

ole::MemberOptions Enum(std::string typeName, std::string help) {
    return Typed(std::move(typeName)) | Help(std::move(help));
}

ole::EventParam ItemArg(std::string name, std::string typeName) {
    return ole::EventParam(std::move(name), ole::VT_DISPATCH, true, std::move(typeName));
}

std::vector<ole::EventParam> MouseArgs() {
    return {{"Button", ole::VT_I2},
            {"Shift", ole::VT_I2},
            {"x", ole::VT_R4},
            {"y", ole::VT_R4},
            {"eHitType", ole::VT_I4, false, "ksHitType"},
            ItemArg("hitItem", "Object")};
}

} // namespace

const ole::ClassInfo& KSButtonBar::Info() {
    using C = KSButtonBar;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("KSButtonBar")
            .Library(kLibraryName)
            .ClassId(ids::kButtonBarClass)
            .Interface("_KSButtonBar", ids::kButtonBarInterface,
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .EventInterface("__KSButtonBar", ids::kButtonBarEvents)
            .Help("Button bar")
            .Property("Appearance", IdAppearance, &C::GetAppearance, &C::LetAppearance,
                      Enum("ksControlAppearance", "Flat or 3D look of the control"))
            .Property("ButtonBackColor", IdButtonBackColor, &C::GetButtonBackColor,
                      &C::LetButtonBackColor, Color("Back colour of the buttons"))
            .Property("BorderStyle", IdBorderStyle, &C::GetBorderStyle, &C::LetBorderStyle,
                      Enum("ksBorderStyle", "Border of the control"))
            .Property("ButtonAppearance", IdButtonAppearance, &C::GetButtonAppearance,
                      &C::LetButtonAppearance, Enum("ksAppearance", "Look of the buttons"))
            .Property("ButtonLayout", IdButtonLayout, &C::GetButtonLayout, &C::LetButtonLayout,
                      Enum("ksButtonLayout", "Tiled or linear buttons"))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont,
                      Typed("Font") | Help("Font of the captions"))
            .Property("GroupAppearance", IdGroupAppearance, &C::GetGroupAppearance,
                      &C::LetGroupAppearance, Enum("ksAppearance", "Look of the group bars"))
            .Get("Groups", IdGroups, &C::GetGroups, Typed("CGroups") | Help("The groups"))
            .Property("SelectedButtonAppearance", IdSelectedButtonAppearance,
                      &C::GetSelectedButtonAppearance, &C::LetSelectedButtonAppearance,
                      Enum("ksAppearance", "Look of the selected button"))
            .Property("ShowButtonInfo", IdShowButtonInfo, &C::GetShowButtonInfo,
                      &C::LetShowButtonInfo, Enum("ksShowInfo", "Pictures with or without text"))
            .Property("ActiveGroup", IdActiveGroup, &C::GetActiveGroup, &C::SetActiveGroup,
                      Typed("CGroup") | Help("The open group"))
            .Property("ButtonHeight", IdButtonHeight, &C::GetButtonHeight, &C::LetButtonHeight,
                      Help("Height of a user-sized button"))
            .Property("ButtonWidth", IdButtonWidth, &C::GetButtonWidth, &C::LetButtonWidth,
                      Help("Width of a user-sized button"))
            .Property("ButtonFlow", IdButtonFlow, &C::GetButtonFlow, &C::LetButtonFlow,
                      Enum("ksFlowDirection", "Direction the buttons flow"))
            .Property("GroupFlow", IdGroupFlow, &C::GetGroupFlow, &C::LetGroupFlow,
                      Enum("ksFlowDirection", "Direction the group bars stack"))
            .Property("SelectedButton", IdSelectedButton, &C::GetSelectedButton,
                      &C::SetSelectedButton, Typed("CButton") | Help("The selected button"))
            .Property("HighlightedButtonForeColor", IdHighlightedButtonForeColor,
                      &C::GetHighlightedButtonForeColor, &C::LetHighlightedButtonForeColor,
                      Color("Text colour of the highlighted button"))
            .Property("HighlightedButtonBackColor", IdHighlightedButtonBackColor,
                      &C::GetHighlightedButtonBackColor, &C::LetHighlightedButtonBackColor,
                      Color("Back colour of the highlighted button"))
            .Property("GroupBackColor", IdGroupBackColor, &C::GetGroupBackColor,
                      &C::LetGroupBackColor, Color("Back colour of the group bars"))
            .Property("GroupForeColor", IdGroupForeColor, &C::GetGroupForeColor,
                      &C::LetGroupForeColor, Color("Text colour of the group bars"))
            .Property("SelectedButtonBackColor", IdSelectedButtonBackColor,
                      &C::GetSelectedButtonBackColor, &C::LetSelectedButtonBackColor,
                      Color("Back colour of the selected button"))
            .Property("SelectedButtonForeColor", IdSelectedButtonForeColor,
                      &C::GetSelectedButtonForeColor, &C::LetSelectedButtonForeColor,
                      Color("Text colour of the selected button"))
            .Property("ButtonForeColor", IdButtonForeColor, &C::GetButtonForeColor,
                      &C::LetButtonForeColor, Color("Text colour of the buttons"))
            .Property("ButtonTextPosition", IdButtonTextPosition, &C::GetButtonTextPosition,
                      &C::LetButtonTextPosition,
                      Enum("ksTextPosition", "Where a caption stands by its picture"))
            .Property("Caption", IdCaption, &C::GetCaption, &C::LetCaption,
                      Help("Text of the caption bar"))
            .Property("ShowCaptionBar", IdShowCaptionBar, &C::GetShowCaptionBar,
                      &C::LetShowCaptionBar, Help("Shows the caption bar"))
            .Property("ShowCloseButton", IdShowCloseButton, &C::GetShowCloseButton,
                      &C::LetShowCloseButton, Help("Shows the close button on the caption bar"))
            .Property("ButtonSize", IdButtonSize, &C::GetButtonSize, &C::LetButtonSize,
                      Enum("ksButtonSize", "Automatic or user-sized buttons"))
            .Property("ButtonHighlightZone", IdButtonHighlightZone, &C::GetButtonHighlightZone,
                      &C::LetButtonHighlightZone,
                      Enum("ksButtonHighlightZone", "Part of a button that highlights"))
            .Property("MousePointer", IdMousePointer, &C::GetMousePointer, &C::LetMousePointer,
                      Help("Mouse pointer over the control"))
            .Property("MouseIcon", IdMouseIcon, &C::GetMouseIcon, &C::SetMouseIcon,
                      Typed("Picture") | Help("Custom mouse pointer"))
            .Property("ButtonPictureMaskColor", IdButtonPictureMaskColor,
                      &C::GetButtonPictureMaskColor, &C::LetButtonPictureMaskColor,
                      Color("Transparent colour of button bitmaps"))
            .Property("GroupGradientType", IdGroupGradientType, &C::GetGroupGradientType,
                      &C::LetGroupGradientType, Enum("ksGradientType", "Shading of the group bars"))
            .Property("GroupGradientColor", IdGroupGradientColor, &C::GetGroupGradientColor,
                      &C::LetGroupGradientColor, Color("Shading colour of the group bars"))
            .Property("ButtonGradientType", IdButtonGradientType, &C::GetButtonGradientType,
                      &C::LetButtonGradientType, Enum("ksGradientType", "Shading of the buttons"))
            .Property("ButtonGradientColor", IdButtonGradientColor, &C::GetButtonGradientColor,
                      &C::LetButtonGradientColor, Color("Shading colour of the buttons"))
            .Property("LockRefresh", IdLockRefresh, &C::GetLockRefresh, &C::LetLockRefresh,
                      Help("Suspends repaints"))
            .Get("hwnd", IdHwnd, &C::GetHwnd, Help("Window handle of the control"))
            .Method("Refresh", IdRefresh, &C::Refresh, Help("Repaints the control"))
            .Event("CloseButtonClick", EvCloseButtonClick, {})
            .Event("GroupAdded", EvGroupAdded, {ItemArg("aGroup", "CGroup")})
            .Event("ButtonAdded", EvButtonAdded, {ItemArg("aButton", "CButton")})
            .Event("GroupRemoved", EvGroupRemoved, {ItemArg("aGroup", "CGroup")})
            .Event("ActiveGroupChanged", EvActiveGroupChanged, {})
            .Event("ButtonRemoved", EvButtonRemoved, {ItemArg("aButton", "CButton")})
            .Event("ButtonSelectionChanged", EvButtonSelectionChanged, {})
            .Event("ButtonHighlightChanged", EvButtonHighlightChanged,
                   {ItemArg("aButton", "CButton"), {"bHighlighted", ole::VT_BOOL}})
            .Event("MouseDown", EvMouseDown, MouseArgs())
            .Event("MouseUp", EvMouseUp, MouseArgs())
            .Event("MouseMove", EvMouseMove, MouseArgs())
            .Event("Resize", EvResize, {})
            .Build();
    return info;
}

} // namespace shelfstrip

// The control's automation table: hosts bind by these member ids, so ids, kinds and the
// declaration order are the contract. Each stored property names its bag default here; the order
// in which the keys are given, read and written is the control's own (KSButtonBarPersistence.cpp).

#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripIds.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace shelfstrip {

namespace {

using ole::Help;
using ole::Persisted;
using ole::Typed;

constexpr int32_t kGrayText = static_cast<int32_t>(0x80000011U);
constexpr int32_t kHighlightText = static_cast<int32_t>(0x8000000EU);
constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000FU);
constexpr int32_t kButtonText = static_cast<int32_t>(0x80000012U);
constexpr int32_t kWhite = 0xFFFFFF;

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
                      Enum("ksControlAppearance", "Flat or 3D look of the control") |
                          Persisted(int32_t{ks3dControl}))
            .Property("ButtonBackColor", IdButtonBackColor, &C::GetButtonBackColor,
                      &C::LetButtonBackColor,
                      Color("Back colour of the buttons") | Persisted(kGrayText))
            .Property("BorderStyle", IdBorderStyle, &C::GetBorderStyle, &C::LetBorderStyle,
                      Enum("ksBorderStyle", "Border of the control") | Persisted(int32_t{ksNone}))
            .Property("ButtonAppearance", IdButtonAppearance, &C::GetButtonAppearance,
                      &C::LetButtonAppearance,
                      Enum("ksAppearance", "Look of the buttons") | Persisted(int32_t{ksFlat}))
            .Property("ButtonLayout", IdButtonLayout, &C::GetButtonLayout, &C::LetButtonLayout,
                      Enum("ksButtonLayout", "Tiled or linear buttons") |
                          Persisted(int32_t{ksLinear}))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont,
                      Typed("Font") | Help("Font of the captions") | Persisted(&C::ContainerFont))
            .Property("GroupAppearance", IdGroupAppearance, &C::GetGroupAppearance,
                      &C::LetGroupAppearance,
                      Enum("ksAppearance", "Look of the group bars") |
                          Persisted(int32_t{ksModern3dRaised}))
            .Get("Groups", IdGroups, &C::GetGroups, Typed("CGroups") | Help("The groups"))
            .Property("SelectedButtonAppearance", IdSelectedButtonAppearance,
                      &C::GetSelectedButtonAppearance, &C::LetSelectedButtonAppearance,
                      Enum("ksAppearance", "Look of the selected button") |
                          Persisted(int32_t{ksClassic3dSunken}))
            .Property("ShowButtonInfo", IdShowButtonInfo, &C::GetShowButtonInfo,
                      &C::LetShowButtonInfo,
                      Enum("ksShowInfo", "Pictures with or without text") |
                          Persisted(int32_t{ksPictureAndCaption}))
            .Property("ActiveGroup", IdActiveGroup, &C::GetActiveGroup, &C::SetActiveGroup,
                      Typed("CGroup") | Help("The open group"))
            .Property("ButtonHeight", IdButtonHeight, &C::GetButtonHeight, &C::LetButtonHeight,
                      Help("Height of a user-sized button") | Persisted(&C::DefaultButtonHeight))
            .Property("ButtonWidth", IdButtonWidth, &C::GetButtonWidth, &C::LetButtonWidth,
                      Help("Width of a user-sized button") | Persisted(&C::DefaultButtonWidth))
            .Property("ButtonFlow", IdButtonFlow, &C::GetButtonFlow, &C::LetButtonFlow,
                      Enum("ksFlowDirection", "Direction the buttons flow") |
                          Persisted(int32_t{ksVertical}))
            .Property("GroupFlow", IdGroupFlow, &C::GetGroupFlow, &C::LetGroupFlow,
                      Enum("ksFlowDirection", "Direction the group bars stack") |
                          Persisted(int32_t{ksVertical}))
            .Property("SelectedButton", IdSelectedButton, &C::GetSelectedButton,
                      &C::SetSelectedButton, Typed("CButton") | Help("The selected button"))
            .Property("HighlightedButtonForeColor", IdHighlightedButtonForeColor,
                      &C::GetHighlightedButtonForeColor, &C::LetHighlightedButtonForeColor,
                      Color("Text colour of the highlighted button") | Persisted(kHighlightText))
            .Property("HighlightedButtonBackColor", IdHighlightedButtonBackColor,
                      &C::GetHighlightedButtonBackColor, &C::LetHighlightedButtonBackColor,
                      Color("Back colour of the highlighted button") | Persisted(kGrayText))
            .Property("GroupBackColor", IdGroupBackColor, &C::GetGroupBackColor,
                      &C::LetGroupBackColor,
                      Color("Back colour of the group bars") | Persisted(kButtonFace))
            .Property("GroupForeColor", IdGroupForeColor, &C::GetGroupForeColor,
                      &C::LetGroupForeColor,
                      Color("Text colour of the group bars") | Persisted(kButtonText))
            .Property("SelectedButtonBackColor", IdSelectedButtonBackColor,
                      &C::GetSelectedButtonBackColor, &C::LetSelectedButtonBackColor,
                      Color("Back colour of the selected button") |
                          Persisted(&C::GetButtonBackColor))
            .Property("SelectedButtonForeColor", IdSelectedButtonForeColor,
                      &C::GetSelectedButtonForeColor, &C::LetSelectedButtonForeColor,
                      Color("Text colour of the selected button") |
                          Persisted(&C::GetButtonForeColor))
            .Property("ButtonForeColor", IdButtonForeColor, &C::GetButtonForeColor,
                      &C::LetButtonForeColor,
                      Color("Text colour of the buttons") | Persisted(&C::ContainerForeColor))
            .Property("ButtonTextPosition", IdButtonTextPosition, &C::GetButtonTextPosition,
                      &C::LetButtonTextPosition,
                      Enum("ksTextPosition", "Where a caption stands by its picture") |
                          Persisted(int32_t{ksBottom}))
            .Property("Caption", IdCaption, &C::GetCaption, &C::LetCaption,
                      Help("Text of the caption bar") | Persisted(std::string()))
            .Property("ShowCaptionBar", IdShowCaptionBar, &C::GetShowCaptionBar,
                      &C::LetShowCaptionBar, Help("Shows the caption bar") | Persisted(false))
            .Property("ShowCloseButton", IdShowCloseButton, &C::GetShowCloseButton,
                      &C::LetShowCloseButton,
                      Help("Shows the close button on the caption bar") | Persisted(true))
            .Property("ButtonSize", IdButtonSize, &C::GetButtonSize, &C::LetButtonSize,
                      Enum("ksButtonSize", "Automatic or user-sized buttons") |
                          Persisted(int32_t{ksAutoCalculated}))
            .Property("ButtonHighlightZone", IdButtonHighlightZone, &C::GetButtonHighlightZone,
                      &C::LetButtonHighlightZone,
                      Enum("ksButtonHighlightZone", "Part of a button that highlights") |
                          Persisted(int32_t{ksZonePictureAndText}))
            .Property("MousePointer", IdMousePointer, &C::GetMousePointer, &C::LetMousePointer,
                      Help("Mouse pointer over the control") | Persisted(int32_t{1}))
            .Property("MouseIcon", IdMouseIcon, &C::GetMouseIcon, &C::SetMouseIcon,
                      Typed("Picture") | Help("Custom mouse pointer") |
                          Persisted(ole::Variant(ole::Ptr<ole::Object>())))
            .Property("ButtonPictureMaskColor", IdButtonPictureMaskColor,
                      &C::GetButtonPictureMaskColor, &C::LetButtonPictureMaskColor,
                      Color("Transparent colour of button bitmaps") | Persisted(kWhite))
            .Property("GroupGradientType", IdGroupGradientType, &C::GetGroupGradientType,
                      &C::LetGroupGradientType,
                      Enum("ksGradientType", "Shading of the group bars") |
                          Persisted(int32_t{ksGradientNone}))
            .Property("GroupGradientColor", IdGroupGradientColor, &C::GetGroupGradientColor,
                      &C::LetGroupGradientColor,
                      Color("Shading colour of the group bars") | Persisted(&C::GetGroupBackColor))
            .Property("ButtonGradientType", IdButtonGradientType, &C::GetButtonGradientType,
                      &C::LetButtonGradientType,
                      Enum("ksGradientType", "Shading of the buttons") |
                          Persisted(int32_t{ksGradientNone}))
            .Property("ButtonGradientColor", IdButtonGradientColor, &C::GetButtonGradientColor,
                      &C::LetButtonGradientColor,
                      Color("Shading colour of the buttons") | Persisted(&C::GetButtonBackColor))
            .Property("LockRefresh", IdLockRefresh, &C::GetLockRefresh, &C::LetLockRefresh,
                      Help("Suspends repaints") | Persisted(false))
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

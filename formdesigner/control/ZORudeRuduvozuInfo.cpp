// The designer's automation table: hosts bind late by these member ids and bind events by id or
// by position, so ids, kinds and the declaration order are the contract. Each persisted property
// carries its bag key (its name) and default here; the bag is read and written in orders of its
// own, which differ from each other.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace layoutdesk {

namespace {

using ole::Help;
using ole::Persisted;
using ole::Typed;

ole::MemberOptions Color(std::string help) {
    return Typed("OLE_COLOR") | Help(std::move(help));
}

ole::MemberOptions ControlArg(std::string help) {
    return ole::Params({ole::Arg("aControl", "Object")}) | Help(std::move(help));
}

ole::MemberOptions ScopeArgs(std::string help) {
    return ole::Params({ole::Arg("eScope", "ksScope"), ole::Opt("aControl")}) |
           Help(std::move(help));
}

ole::EventParam ByRef(std::string name, ole::VARTYPE vt, std::string typeName = {}) {
    return ole::EventParam(std::move(name), vt, true, std::move(typeName));
}

ole::EventParam ByVal(std::string name, ole::VARTYPE vt, std::string typeName = {}) {
    return ole::EventParam(std::move(name), vt, false, std::move(typeName));
}

std::vector<ole::EventParam> MouseArgs() {
    return {ByRef("button", ole::VT_I2), ByRef("shift", ole::VT_I2), ByRef("X", ole::VT_R4),
            ByRef("Y", ole::VT_R4)};
}

std::vector<ole::EventParam> TrackedArgs() {
    return {ByRef("aControl", ole::VT_DISPATCH, "Object"), ByVal("nLeft", ole::VT_R4),
            ByVal("nTop", ole::VT_R4), ByVal("nWidth", ole::VT_R4), ByVal("nHeight", ole::VT_R4)};
}

ole::EventParam ControlParam() {
    return ByRef("aControl", ole::VT_DISPATCH, "Object");
}

ole::EventParam BagParam() {
    return ByRef("aPropBag", ole::VT_DISPATCH, "CPropertyBag");
}

} // namespace

const ole::ClassInfo& ZORudeRuduvozu::Info() {
    using C = ZORudeRuduvozu;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("ZORudeRuduvozu")
            .Library(kLibraryName)
            .ClassId("{3E7B5C21-8A4D-4F6E-9B12-7D0C5A3E9F41}")
            .Interface("_ZORudeRuduvozu", "{4C8D2A17-5E3B-4B9F-A7C6-1F2E8D9B0A53}",
                       ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN |
                           ole::TYPEFLAG_FDISPATCHABLE)
            .EventInterface("__ZORudeRuduvozu", "{6A9E4B32-1C7D-4E8A-B5F3-0D2C7A9E1B64}")
            .Help("Form designer")
            .Method("AlignSelectedControls", IdAlignSelectedControls, &C::AlignSelectedControls,
                    ole::Params({ole::Arg("eAlignType", "ksAlignTypes")}) |
                        Help("Lines the selection up with the last selected control or the grid"))
            .Property("AlignToGrid", IdAlignToGrid, &C::GetAlignToGrid, &C::LetAlignToGrid,
                      Help("Moves and sizes snap to the grid") | Persisted(false))
            .Method("DeselectAllControl", IdDeselectAllControl, &C::DeselectAllControl,
                    Help("Empties the selection"))
            .Method("DeselectControl", IdDeselectControl, &C::DeselectControl,
                    ControlArg("Removes a control from the selection"))
            .Property("ForeColor", IdForeColor, &C::GetForeColor, &C::LetForeColor,
                      Color("Colour of the grid dots") | Persisted(int32_t(0x80000012)))
            .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
                      Color("Colour of the surface") | Persisted(int32_t(0x8000000F)))
            .Property("GridSizeX", IdGridSizeX, &C::GetGridSizeX, &C::LetGridSizeX,
                      Help("Horizontal grid spacing") | Persisted(&C::DefaultGridSizeX))
            .Property("GridSizeY", IdGridSizeY, &C::GetGridSizeY, &C::LetGridSizeY,
                      Help("Vertical grid spacing") | Persisted(&C::DefaultGridSizeY))
            .Property("HandleSizeX", IdHandleSizeX, &C::GetHandleSizeX, &C::LetHandleSizeX,
                      Help("Width of a grab handle") | Persisted(&C::DefaultHandleSizeX))
            .Property("HandleSizeY", IdHandleSizeY, &C::GetHandleSizeY, &C::LetHandleSizeY,
                      Help("Height of a grab handle") | Persisted(&C::DefaultHandleSizeY))
            .Method("IsLocked", IdIsLocked, &C::IsLocked, ControlArg("Whether a control is locked"))
            .Method("IsSelected", IdIsSelected, &C::IsSelected,
                    ControlArg("Whether a control is selected"))
            .Method("LockControls", IdLockControls, &C::LockControls, ScopeArgs("Locks controls"))
            .Property("Mode", IdMode, &C::GetMode, &C::LetMode,
                      Typed("ksMode") | Help("Run, draw or select") | Persisted(int32_t{ksModeRun}))
            .Method("ResizeSelectedControls", IdResizeSelectedControls, &C::ResizeSelectedControls,
                    ole::Params({ole::Arg("eResizeType", "ksResizeType"),
                                 ole::Opt("newValue", ole::Variant(-1.0F))}) |
                        Help("Gives the selection one width or height"))
            .Method("SelectControl", IdSelectControl, &C::SelectControl,
                    ControlArg("Adds a control to the selection"))
            .Get("SelectedControls", IdSelectedControls, &C::GetSelectedControls,
                 Typed("Collection") | Help("The selected controls, in selection order"))
            .Property("ShowGrid", IdShowGrid, &C::GetShowGrid, &C::LetShowGrid,
                      Help("Shows the grid in the design modes") | Persisted(true))
            .Method("UnlockControls", IdUnlockControls, &C::UnlockControls,
                    ScopeArgs("Unlocks controls"))
            .Method("IsContainer", IdIsContainer, &C::IsContainer,
                    ControlArg("Whether a control can hold controls"))
            .Property("HandleColor", IdHandleColor, &C::GetHandleColor, &C::LetHandleColor,
                      Color("Fill of the grab handles") | Persisted(int32_t(0x8000000D)))
            .Property("HandleBorderColor", IdHandleBorderColor, &C::GetHandleBorderColor,
                      &C::LetHandleBorderColor,
                      Color("Frame of the grab handles") | Persisted(int32_t(0x8000000E)))
            .Method("Refresh", IdRefresh, &C::Refresh, Help("Repaints the surface"))
            .Property("MousePointer", IdMousePointer, &C::GetMousePointer, &C::LetMousePointer,
                      Typed("MousePointerConstants") | Help("Pointer over the surface") |
                          Persisted(int32_t{0}))
            .Property("MouseIcon", IdMouseIcon, &C::GetMouseIcon, &C::SetMouseIcon,
                      Typed("Picture") | Help("Custom pointer") |
                          Persisted(ole::Variant::Nothing()))
            .Method("SaveLayout", IdSaveLayout, &C::SaveLayout,
                    ole::Params({ole::Arg("sFile")}) | Help("Writes the layout to a file"))
            .Method("LoadLayout", IdLoadLayout, &C::LoadLayout,
                    ole::Params({ole::Arg("sFile")}) | Help("Rebuilds the layout from a file"))
            // Positions follow the declaration order; ids are given.
            .Event("KeyPress", EvKeyPress, {ByRef("KeyAscii", ole::VT_I2)})
            .Event("Keydown", EvKeydown, {ByRef("KeyCode", ole::VT_I2), ByRef("shift", ole::VT_I2)})
            .Event("KeyUp", EvKeyUp, {ByRef("KeyCode", ole::VT_I2), ByRef("shift", ole::VT_I2)})
            .Event("MouseDown", EvMouseDown, MouseArgs())
            .Event("MouseMove", EvMouseMove, MouseArgs())
            .Event("MouseUp", EvMouseUp, MouseArgs())
            .Event("ControlResized", EvControlResized, {ControlParam()})
            .Event("ControlMoved", EvControlMoved, {ControlParam()})
            .Event("RubberBandStart", EvRubberBandStart,
                   {ByVal("StartX", ole::VT_R4), ByVal("StartY", ole::VT_R4),
                    ByVal("aHitControl", ole::VT_DISPATCH, "Object")})
            .Event("RubberBandEnd", EvRubberBandEnd,
                   {ByVal("StartX", ole::VT_R4), ByVal("StartY", ole::VT_R4),
                    ByVal("cx", ole::VT_R4), ByVal("cy", ole::VT_R4),
                    ByVal("aHitControl", ole::VT_DISPATCH, "Object")})
            .Event("ControlMoving", EvControlMoving, TrackedArgs())
            .Event("ControlResizing", EvControlResizing, TrackedArgs())
            .Event("SaveFormData", EvSaveFormData, {BagParam()})
            .Event("SaveControlData", EvSaveControlData, {ControlParam(), BagParam()})
            .Event("LoadFormData", EvLoadFormData, {BagParam()})
            .Event("LoadControlData", EvLoadControlData, {ControlParam(), BagParam()})
            .Event("CreateControl", EvCreateControl,
                   {ByVal("sType", ole::VT_BSTR), ByVal("sName", ole::VT_BSTR),
                    ByVal("ContainerCtrl", ole::VT_DISPATCH, "Object"), ByVal("nIndex", ole::VT_I4),
                    ByRef("aNewControl", ole::VT_DISPATCH, "Object")})
            .Event("DisplayError", EvDisplayError,
                   {ByVal("sMessage", ole::VT_BSTR), ByVal("nErrorCode", ole::VT_I4),
                    ByRef("bShowMsgBox", ole::VT_BOOL)})
            .Event("ControlSelected", EvControlSelected, {ControlParam()})
            .Event("ControlDeselected", EvControlDeselected, {ControlParam()})
            .ReadOrder({IdAlignToGrid, IdBackColor, IdForeColor, IdHandleBorderColor, IdHandleColor,
                        IdGridSizeX, IdGridSizeY, IdHandleSizeX, IdHandleSizeY, IdMode, IdShowGrid,
                        IdMouseIcon, IdMousePointer})
            .WriteOrder({IdAlignToGrid, IdBackColor, IdForeColor, IdGridSizeX, IdGridSizeY,
                         IdHandleBorderColor, IdHandleColor, IdHandleSizeX, IdHandleSizeY, IdMode,
                         IdShowGrid, IdMouseIcon, IdMousePointer})
            .Build();
    return info;
}

} // namespace layoutdesk

// Input interception in the design modes: the CBT hook keeps the focus on the designer and turns
// Tab into a selection walk; the mouse hook takes every mouse message aimed at the designer or a
// window inside it and turns it into a design action and one of MouseDown, MouseMove, MouseUp.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"

#include "platform/forms/control/Control.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/object/TypeName.h"
#include "platform/win/Win.h"

namespace layoutdesk {

namespace {

bool IsDesignerWindow(win::HWND hwnd) {
    const ole::Ptr<forms::Control> control = forms::Control::FromWindow(hwnd);
    return control && ole::TypeName(control.Get()) == "ZORudeRuduvozu";
}

} // namespace

int32_t ZORudeRuduvozu::NotifyHookedEvent(int32_t nHookType, int32_t nCode, win::WPARAM wParam,
                                          win::LPARAM lParam, bool& bNoCallNextHook) {
    if (m_Mode == ksModeRun)
        return 0;
    ole::Ptr<ZORudeRuduvozu> self(this);
    if (nHookType == win::WH_CBT)
        return OnCbtHook(nCode, wParam, lParam, bNoCallNextHook);
    if (nHookType == win::WH_MOUSE)
        return OnMouseHook(nCode, wParam, lParam, bNoCallNextHook);
    return 0;
}

int32_t ZORudeRuduvozu::OnCbtHook(int32_t nCode, win::WPARAM wParam, win::LPARAM,
                                  bool& bNoCallNextHook) {
    if (nCode != win::HCBT_SETFOCUS)
        return 0;
    const win::HWND own = hWnd();
    const win::HWND target = win::HWND::FromValue(static_cast<uint32_t>(wParam));
    if (!own || target == own)
        return 0;
    // A designer that cannot hold the focus itself would leave the form with none; another
    // designer guards its own focus.
    if (!win::IsWindowVisible(own) || !win::IsWindowEnabled(own) || IsDesignerWindow(target))
        return 0;
    const bool inside = win::IsChild(own, target);
    const bool sibling = win::GetParent(target) == win::GetParent(own);
    if (!inside && !sibling)
        return 0;
    if (win::GetKeyState(win::VK_TAB) < 0) {
        if (win::GetKeyState(win::VK_SHIFT) < 0)
            SelectPreviousControl();
        else
            SelectNextControl();
    }
    ole::ResumeNext([&] { SetFocus(); });
    bNoCallNextHook = true;
    return 1;
}

int32_t ZORudeRuduvozu::OnMouseHook(int32_t nCode, win::WPARAM wParam, win::LPARAM lParam,
                                    bool& bNoCallNextHook) {
    const win::MOUSEHOOKSTRUCT info = *reinterpret_cast<const win::MOUSEHOOKSTRUCT*>(lParam);
    const win::HWND own = hWnd();
    if (nCode < 0 || !own || (info.hwnd != own && !win::IsChild(own, info.hwnd)))
        return 0;
    bNoCallNextHook = true;

    win::POINT pt = info.pt;
    win::ScreenToClient(own, &pt);
    const float X =
        ConvertX(static_cast<float>(pt.x), forms::ModeValue(forms::ScaleMode::Pixels), ScaleMode());
    const float Y =
        ConvertY(static_cast<float>(pt.y), forms::ModeValue(forms::ScaleMode::Pixels), ScaleMode());
    int16_t shift = 0;
    if (IsKeyDown(win::VK_SHIFT))
        shift += 1;
    if (IsKeyDown(win::VK_CONTROL))
        shift += 2;
    if (IsKeyDown(win::VK_MENU))
        shift += 4;
    int16_t button = 0;
    if (IsKeyDown(win::VK_LBUTTON))
        button += 1;
    if (IsKeyDown(win::VK_RBUTTON))
        button += 2;
    if (IsKeyDown(win::VK_MBUTTON))
        button += 4;
    const bool ctrl = (shift & 2) != 0;
    const bool shiftDown = (shift & 1) != 0;

    ole::DISPID event = 0;
    switch (static_cast<win::UINT>(wParam)) {
    case win::WM_MOUSEMOVE:
        DesignMouseMove(own, X, Y, ctrl, shiftDown);
        event = EvMouseMove;
        break;
    case win::WM_LBUTTONDOWN:
        FocusDesigner(info.hwnd);
        DesignMouseDown(own, X, Y, ctrl, shiftDown);
        event = EvMouseDown;
        break;
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
        FocusDesigner(info.hwnd);
        event = EvMouseDown;
        break;
    // The released button already reads up; its bit is ORed in, so a left release never comes
    // out as the right button.
    case win::WM_LBUTTONUP:
        button |= 1;
        DesignMouseUp(own, X, Y, ctrl, shiftDown);
        event = EvMouseUp;
        break;
    case win::WM_RBUTTONUP:
        button |= 2;
        event = EvMouseUp;
        break;
    case win::WM_MBUTTONUP:
        button |= 4;
        event = EvMouseUp;
        break;
    default:
        break;
    }
    if (event)
        RaiseMouseEvent(event, button, shift, X, Y);
    return 1;
}

void ZORudeRuduvozu::FocusDesigner(win::HWND pressed) {
    if (pressed == hWnd())
        m_HasFocus = true;
    ole::ResumeNext([&] { SetFocus(); });
}

bool ZORudeRuduvozu::IsKeyDown(int vk) {
    return (win::GetAsyncKeyState(vk) & 0x8000) != 0;
}

} // namespace layoutdesk

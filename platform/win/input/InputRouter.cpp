#include "platform/win/input/InputRouter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/InputState.h"
#include "platform/win/input/KeyTranslation.h"
#include "platform/win/window/Window.h"

namespace win::detail {

namespace {

UINT ClientMouseMessage(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::MouseMove) {
        return WM_MOUSEMOVE;
    }
    const UINT base = event.button == MouseButton::Left    ? WM_LBUTTONDOWN
                      : event.button == MouseButton::Right ? WM_RBUTTONDOWN
                                                           : WM_MBUTTONDOWN;
    return event.kind == InputEvent::Kind::ButtonDown ? base : base + 1;
}

// The non-client messages mirror the client ones at 0xA0.
UINT NonClientMessage(UINT clientMsg) {
    return clientMsg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

LPARAM PackPoint(POINT pt) {
    return MAKELPARAM(static_cast<uint16_t>(pt.x), static_cast<uint16_t>(pt.y));
}

void RouteMouse(const InputEvent& event, const KeyTable& after, RoutedInput& routed) {
    MSG& msg = routed.msg;
    const HWND capture = GetCapture();
    if (event.kind == InputEvent::Kind::Wheel) {
        HWND target = capture ? capture : GetFocus();
        if (!target) {
            target = GetActiveWindow();
        }
        msg.hwnd = target;
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(static_cast<uint32_t>(after.MouseKeyFlags()),
                                static_cast<uint16_t>(event.wheelDelta));
        msg.lParam = PackPoint(event.pt);
        routed.captured = static_cast<bool>(capture);
        routed.hitCode = HTCLIENT;
        return;
    }
    HWND target = capture;
    int hit = HTCLIENT;
    if (target) {
        routed.captured = true;
    } else {
        target = WindowFromPoint(event.pt);
        if (!target || target == GetDesktopWindow() || !IsWindowEnabled(target)) {
            return;
        }
        hit = static_cast<int>(SendMessageA(target, WM_NCHITTEST, 0, PackPoint(event.pt)));
        if (hit == HTTRANSPARENT || !IsWindow(target)) {
            return;
        }
    }
    msg.hwnd = target;
    routed.hitCode = hit;
    routed.client = hit == HTCLIENT;
    const UINT clientMsg = ClientMouseMessage(event);
    if (routed.client) {
        POINT local = event.pt;
        ScreenToClient(target, &local);
        msg.message = clientMsg;
        msg.wParam = after.MouseKeyFlags();
        msg.lParam = PackPoint(local);
    } else {
        msg.message = NonClientMessage(clientMsg);
        msg.wParam = static_cast<WPARAM>(static_cast<intptr_t>(hit));
        msg.lParam = PackPoint(event.pt);
    }
}

void RouteKey(const InputEvent& event, const KeyTable& before, RoutedInput& routed) {
    HWND target = GetFocus();
    if (!target) {
        target = GetActiveWindow();
    }
    if (!target || !IsWindowEnabled(target)) {
        return;
    }
    const bool down = event.kind == InputEvent::Kind::KeyDown;
    const int vk = GenericKey(event.vk);
    const bool alt = before.IsDown(VK_MENU) || (down && vk == VK_MENU);
    const bool sys = (alt && !before.IsDown(VK_CONTROL)) || vk == VK_F10;
    routed.msg.hwnd = target;
    routed.msg.message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    routed.msg.wParam = static_cast<WPARAM>(vk);
    routed.msg.lParam =
        KeyMessageLParam(vk, down, down ? before.IsDown(event.vk) : true, alt, event.codePoint);
}

bool IsClassDoubleClickable(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record != nullptr && (record->ClassStyle() & CS_DBLCLKS) != 0;
}

void SynthesizeDoubleClick(const InputEvent& event, RoutedInput& routed) {
    InputState& state = InputState::Instance();
    const HWND target = routed.msg.hwnd;
    const bool eligible = !routed.client || IsClassDoubleClickable(target);
    if (eligible && state.PairsWithLastPress(event.button, target, event.time, event.pt)) {
        routed.msg.message += 2; // xBUTTONDOWN -> xBUTTONDBLCLK
        state.ForgetPress();
    } else {
        state.RememberPress(event.button, target, event.time, event.pt);
    }
}

} // namespace

bool IsButtonPress(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

RoutedInput RouteInput(const InputEvent& event, const KeyTable& before, const KeyTable& after) {
    RoutedInput routed;
    routed.msg.time = event.time;
    routed.msg.pt = event.IsMouse() ? event.pt : InputState::Instance().CursorPos();
    if (event.IsMouse()) {
        RouteMouse(event, after, routed);
    } else {
        RouteKey(event, before, routed);
    }
    return routed;
}

bool PeekInput(MSG& out) {
    const InputState& state = InputState::Instance();
    KeyTable keys = state.Keys();
    for (const InputEvent& event : HardwareQueue::Instance().Events()) {
        const KeyTable after = keys.After(event);
        RoutedInput routed = RouteInput(event, keys, after);
        if (routed.msg.hwnd) {
            if (event.kind == InputEvent::Kind::ButtonDown &&
                (!routed.client || IsClassDoubleClickable(routed.msg.hwnd)) &&
                state.PairsWithLastPress(event.button, routed.msg.hwnd, event.time, event.pt)) {
                routed.msg.message += 2;
            }
            out = routed.msg;
            return true;
        }
        keys = after;
    }
    return false;
}

bool DequeueInput(MSG& out) {
    InputState& state = InputState::Instance();
    const InputEvent event = HardwareQueue::Instance().Pop();
    const KeyTable before = state.Keys();
    const KeyTable after = before.After(event);
    state.Keys() = after;
    if (event.IsMouse()) {
        state.SetCursorPos(event.pt);
    }
    if (event.kind == InputEvent::Kind::KeyDown) {
        state.NotePress(GenericKey(event.vk));
    } else if (event.kind == InputEvent::Kind::ButtonDown) {
        state.NotePress(0);
    }
    RoutedInput routed = RouteInput(event, before, after);
    const HWND target = routed.msg.hwnd;
    if (!target) {
        if (event.kind == InputEvent::Kind::MouseMove && !GetCapture()) {
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        }
        return false;
    }

    if (event.kind == InputEvent::Kind::ButtonDown) {
        SynthesizeDoubleClick(event, routed);
    }

    if (event.IsMouse()) {
        MOUSEHOOKSTRUCT info;
        info.pt = event.pt;
        info.hwnd = target;
        info.wHitTestCode = static_cast<UINT>(routed.hitCode);
        if (CallHookChain(WH_MOUSE, HC_ACTION, routed.msg.message,
                          reinterpret_cast<LPARAM>(&info)) != 0) {
            return false;
        }
    } else if (CallHookChain(WH_KEYBOARD, HC_ACTION, routed.msg.wParam,
                             static_cast<LPARAM>(static_cast<uint32_t>(routed.msg.lParam))) != 0) {
        return false;
    }
    if (!IsWindow(target)) {
        return false;
    }

    if (IsButtonPress(routed.msg.message) &&
        !ActivateOnMousePress(target, routed.msg.message, routed.hitCode)) {
        return false;
    }

    if (event.kind == InputEvent::Kind::MouseMove && !routed.captured) {
        SendMessageA(target, WM_SETCURSOR, static_cast<WPARAM>(target.Value()),
                     MAKELPARAM(static_cast<uint16_t>(routed.hitCode), WM_MOUSEMOVE));
    }
    if (!IsWindow(target)) {
        return false;
    }
    out = routed.msg;
    return true;
}

} // namespace win::detail

#include "platform/forms/control/InputEvents.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/win/WinConstants.h"
#include "platform/win/input/Input.h"

namespace forms {

namespace {

int16_t ButtonsHeld(win::WPARAM wParam) {
    int16_t buttons = 0;
    if (wParam & win::MK_LBUTTON)
        buttons |= 1;
    if (wParam & win::MK_RBUTTON)
        buttons |= 2;
    if (wParam & win::MK_MBUTTON)
        buttons |= 4;
    return buttons;
}

int16_t ButtonOf(win::UINT msg) {
    switch (msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
        return 1;
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_RBUTTONDBLCLK:
        return 2;
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
    case win::WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 0;
    }
}

} // namespace

int16_t ShiftState() {
    int16_t shift = 0;
    if (win::GetKeyState(win::VK_SHIFT) < 0)
        shift |= 1;
    if (win::GetKeyState(win::VK_CONTROL) < 0)
        shift |= 2;
    if (win::GetKeyState(win::VK_MENU) < 0)
        shift |= 4;
    return shift;
}

MousePoint MousePointIn(const ScaleSpace& scale, win::POINT clientPt) {
    return {static_cast<float>(scale.PositionFromPixels(clientPt.x, Axis::X)),
            static_cast<float>(scale.PositionFromPixels(clientPt.y, Axis::Y))};
}

int32_t RaiseKeyEvent(win::UINT msg, win::WPARAM code, const EventRaise& raise) {
    if (msg == win::WM_CHAR) {
        ole::Variant args[] = {ole::Variant(static_cast<int16_t>(code))};
        raise(eventid::KeyPress, args);
        return ole::FromVariant<int32_t>(args[0]);
    }
    ole::Variant args[] = {ole::Variant(static_cast<int16_t>(code)), ole::Variant(ShiftState())};
    raise(msg == win::WM_KEYDOWN ? eventid::KeyDown : eventid::KeyUp, args);
    return ole::FromVariant<int32_t>(args[0]);
}

bool MouseEvents::IsMouseMessage(win::UINT msg) {
    return msg == win::WM_MOUSEMOVE || IsButtonDown(msg) || IsButtonUp(msg) || IsDoubleClick(msg);
}

bool MouseEvents::IsButtonDown(win::UINT msg) {
    return msg == win::WM_LBUTTONDOWN || msg == win::WM_RBUTTONDOWN || msg == win::WM_MBUTTONDOWN;
}

bool MouseEvents::IsButtonUp(win::UINT msg) {
    return msg == win::WM_LBUTTONUP || msg == win::WM_RBUTTONUP || msg == win::WM_MBUTTONUP;
}

bool MouseEvents::IsDoubleClick(win::UINT msg) {
    return msg == win::WM_LBUTTONDBLCLK || msg == win::WM_RBUTTONDBLCLK ||
           msg == win::WM_MBUTTONDBLCLK;
}

void MouseEvents::Raise(win::UINT msg, win::WPARAM wParam, MousePoint point,
                        const EventRaise& raise, bool clickOnUp) {
    const int16_t shift = ShiftState();
    const auto raiseMouse = [&](ole::DISPID id, int16_t button) {
        ole::Variant args[] = {ole::Variant(button), ole::Variant(shift), ole::Variant(point.x),
                               ole::Variant(point.y)};
        raise(id, args);
    };
    if (msg == win::WM_MOUSEMOVE) {
        raiseMouse(eventid::MouseMove, ButtonsHeld(wParam));
    } else if (IsButtonDown(msg)) {
        m_suppressClick = false;
        raiseMouse(eventid::MouseDown, ButtonOf(msg));
    } else if (msg == win::WM_LBUTTONDBLCLK) {
        m_suppressClick = true;
        raise(eventid::DblClick, {});
    } else if (IsDoubleClick(msg)) {
        // Only the left button has a DblClick: another's second press is a press like the first.
        raiseMouse(eventid::MouseDown, ButtonOf(msg));
    } else if (IsButtonUp(msg)) {
        raiseMouse(eventid::MouseUp, ButtonOf(msg));
        if (msg == win::WM_LBUTTONUP && !m_suppressClick && clickOnUp)
            raise(eventid::Click, {});
        m_suppressClick = false;
    }
}

} // namespace forms

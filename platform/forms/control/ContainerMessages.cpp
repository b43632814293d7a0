#include "platform/forms/control/ContainerMessages.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/InputEvents.h"
#include "platform/forms/control/MousePointer.h"
#include "platform/win/Win.h"

namespace forms {

namespace {

win::HWND ChildOfNotification(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
    case win::WM_COMMAND:
    case win::WM_VSCROLL:
    case win::WM_HSCROLL:
    case win::WM_CTLCOLORMSGBOX:
    case win::WM_CTLCOLOREDIT:
    case win::WM_CTLCOLORLISTBOX:
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLORDLG:
    case win::WM_CTLCOLORSCROLLBAR:
    case win::WM_CTLCOLORSTATIC:
        return win::HwndFromParam(lParam);
    case win::WM_NOTIFY:
        if (const auto* header = reinterpret_cast<const win::NMHDR*>(lParam))
            return header->hwndFrom;
        return {};
    default:
        (void)wParam;
        return {};
    }
}

void FillWithColor(win::HDC hdc, const win::RECT& rect, OLE_COLOR color) {
    const win::HBRUSH brush = win::CreateSolidBrush(TranslateColor(color));
    win::FillRect(hdc, &rect, brush);
    win::DeleteObject(brush);
}

win::BOOL ForwardSysColorChange(win::HWND hwnd, win::LPARAM) {
    win::SendMessageA(hwnd, win::WM_SYSCOLORCHANGE, 0, 0);
    return win::TRUE;
}

} // namespace

std::optional<win::LRESULT> HandleContainerMessage(ControlContainer& container, win::HWND hwnd,
                                                   win::UINT msg, win::WPARAM wParam,
                                                   win::LPARAM lParam, OLE_COLOR backColor) {
    if (msg == win::WM_SIZE) {
        for (const auto& child : container.ChildControls())
            child->OnContainerResized();
        return std::nullopt;
    }
    if (const win::HWND child = ChildOfNotification(msg, wParam, lParam)) {
        if (const auto control = Control::FromWindow(child)) {
            if (control->ContainerSite() == &container || win::IsChild(hwnd, child))
                return control->OnReflected(msg, wParam, lParam);
        }
        return std::nullopt;
    }
    if (MouseEvents::IsMouseMessage(msg)) {
        const win::POINT pt{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
        static ole::WeakRef<Control> pressed;
        ole::Ptr<Control> target = win::GetCapture() == hwnd ? pressed.Lock() : nullptr;
        if (!target)
            target = container.WindowlessChildAt(pt);
        if (!target)
            return std::nullopt;
        if (msg != win::WM_MOUSEMOVE && msg != win::WM_LBUTTONUP && msg != win::WM_RBUTTONUP &&
            msg != win::WM_MBUTTONUP) {
            pressed = ole::WeakRef<Control>(target);
            win::SetCapture(hwnd);
        }
        target->WindowlessMouse(msg, wParam, pt);
        if ((msg == win::WM_LBUTTONUP || msg == win::WM_RBUTTONUP || msg == win::WM_MBUTTONUP) &&
            (wParam & (win::MK_LBUTTON | win::MK_RBUTTON | win::MK_MBUTTON)) == 0 &&
            win::GetCapture() == hwnd) {
            pressed.Reset();
            win::ReleaseCapture();
        }
        return 0;
    }
    switch (msg) {
    case win::WM_SETCURSOR: {
        if (win::HwndFromParam(static_cast<win::LPARAM>(wParam)) != hwnd ||
            win::LOWORD(static_cast<uint64_t>(lParam)) != win::HTCLIENT)
            return std::nullopt;
        win::POINT pt;
        win::GetCursorPos(&pt);
        win::ScreenToClient(hwnd, &pt);
        if (const auto child = container.WindowlessChildAt(pt)) {
            if (const win::HCURSOR cursor =
                    CursorForMousePointer(child->MousePointer(), child->MouseIcon().Get())) {
                win::SetCursor(cursor);
                return win::TRUE;
            }
        }
        return std::nullopt;
    }
    case win::WM_ERASEBKGND: {
        win::RECT client;
        win::GetClientRect(hwnd, &client);
        FillWithColor(win::HdcFromParam(static_cast<win::LPARAM>(wParam)), client, backColor);
        return 1;
    }
    case win::WM_SYSCOLORCHANGE:
        // Only the top-level form forwards: every descendant gets exactly one.
        if ((win::GetWindowLongA(hwnd, win::GWL_STYLE) & win::WS_CHILD) != 0)
            return std::nullopt;
        win::EnumChildWindows(hwnd, &ForwardSysColorChange, 0);
        return 0;
    default:
        return std::nullopt;
    }
}

void PaintContainerSurface(ControlContainer& container, win::HWND hwnd, OLE_COLOR backColor,
                           const std::function<void(win::HDC)>& raisePaint) {
    win::RECT update;
    const bool hadUpdate = win::GetUpdateRect(hwnd, &update, win::FALSE) != 0;
    const win::PaintDc paint(hwnd);
    if (const win::HDC hdc = paint.Get()) {
        FillWithColor(hdc, paint.Area(), backColor);
        if (hadUpdate && raisePaint)
            raisePaint(hdc);
        container.PaintWindowlessChildren(hdc);
    }
}

} // namespace forms

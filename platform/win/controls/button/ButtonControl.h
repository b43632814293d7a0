#pragma once

#include "platform/win/controls/common/ControlFont.h"

namespace win::controls {

// One button window: push button, check box, radio button (plain, automatic, three-state) or
// group box, by the low bits of its style. Notifications go out from inside the class procedure,
// so a subclass sees each message before the button reacts.
//
// A mouse click:
//   1. WM_LBUTTONDOWN: the button takes the focus, captures the mouse and draws pushed
//   2. WM_MOUSEMOVE with capture: pushed only while the pointer is inside
//   3. WM_LBUTTONUP: the capture is released; when the pointer is inside, the button is
//      unpushed, an automatic button changes its check (a radio button unchecks the radio buttons
//      of its WS_GROUP group), then BN_CLICKED goes to the parent
// Space does the same on the focused button: pushed at the key-down, clicked at the key-up.
// Losing the capture or the focus halfway cancels the press without a click.
class ButtonControl {
public:
    explicit ButtonControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    DWORD Type() const;
    bool IsGroupBox() const;
    bool IsCheckable() const;
    void SetPushed(bool pushed);
    void SetCheck(WPARAM check);
    void OnButtonDown();
    void OnMouseMove(POINT pt);
    void OnButtonUp(POINT pt);
    void CancelPress();
    // An automatic button's own change, then BN_CLICKED.
    void Clicked();
    void UncheckGroupSiblings();
    // An arrow key on a radio button: the focus and the check go to the next (or previous) enabled,
    // visible radio button of its group, wrapping round.
    bool MoveWithinGroup(bool forward);
    void Paint();

    HWND m_hwnd;
    ControlFont m_font;
    LRESULT m_check = 0;
    bool m_pushed = false;
    bool m_focused = false;
    bool m_tracking = false;
    bool m_spacePressed = false;
    bool m_dead = false;
};

} // namespace win::controls

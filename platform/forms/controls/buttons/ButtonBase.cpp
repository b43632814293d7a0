#include "platform/forms/controls/buttons/ButtonBase.h"

#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace forms {

void ButtonBase::SetCaption(const std::string& caption) {
    m_caption = caption;
    if (IsAlive())
        win::SetWindowTextA(Window(), caption.c_str());
}

win::DWORD ButtonBase::WindowStyle() const {
    return win::WS_CLIPSIBLINGS | ButtonStyle();
}

win::LRESULT ButtonBase::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The focus moves before MouseDown, as the button class would move it after.
    if (msg == win::WM_LBUTTONDOWN && win::GetFocus() != Window())
        win::SetFocus(Window());
    // The Button class takes the second press of a double click as a press, and a button class
    // declares no DblClick: the press raises MouseDown, so its MouseUp does not come alone.
    if (msg == win::WM_LBUTTONDBLCLK && !DeclaresEvent(eventid::DblClick))
        RaiseMouseEvent(win::WM_LBUTTONDOWN, wParam,
                        {win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
    return TextControl::WindowProc(msg, wParam, lParam);
}

std::optional<win::LRESULT> ButtonBase::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                    win::LPARAM lParam) {
    if (msg == win::WM_COMMAND) {
        if (win::HIWORD(wParam) == win::BN_CLICKED)
            OnClicked();
        return 0;
    }
    return TextControl::OnReflected(msg, wParam, lParam);
}

} // namespace forms

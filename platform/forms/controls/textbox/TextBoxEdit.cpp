#include "platform/forms/controls/textbox/TextBox.h"

#include "platform/base/Utf8.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

#include <algorithm>

// The TextBox's side of the Edit class: styles, selection, limits, font and notifications.

namespace forms {

win::DWORD TextBox::WindowStyle() const {
    win::DWORD style = win::WS_CLIPSIBLINGS | win::ES_AUTOHSCROLL;
    if (m_locked)
        style |= win::ES_READONLY;
    return style;
}

TextBox::Selection TextBox::GetSelection() const {
    if (!IsAlive()) {
        const auto length = static_cast<int32_t>(base::CodePointCount(m_text));
        return {std::min(m_selection.start, length), std::min(m_selection.end, length)};
    }
    win::DWORD start = 0;
    win::DWORD end = 0;
    win::SendMessageA(Window(), win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                      reinterpret_cast<win::LPARAM>(&end));
    return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

void TextBox::Select(int32_t start, int32_t end) {
    m_selection = {start, end};
    if (IsAlive())
        win::SendMessageA(Window(), win::EM_SETSEL, static_cast<win::WPARAM>(start), end);
}

void TextBox::ReplaceSelection(const std::string& text) {
    win::SendMessageA(Window(), win::EM_REPLACESEL, win::TRUE,
                      reinterpret_cast<win::LPARAM>(text.c_str()));
}

void TextBox::ApplyLocked() {
    if (IsAlive())
        win::SendMessageA(Window(), win::EM_SETREADONLY, m_locked ? win::TRUE : win::FALSE, 0);
}

void TextBox::ApplyMaxLength() {
    if (IsAlive())
        win::SendMessageA(Window(), win::EM_LIMITTEXT, static_cast<win::WPARAM>(m_maxLength), 0);
}

win::LRESULT TextBox::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The focus moves before MouseDown, where the Edit would take it only after.
    if (msg == win::WM_LBUTTONDOWN && win::GetFocus() != Window())
        win::SetFocus(Window());
    if (msg == win::WM_DESTROY) {
        // The text and selection outlive the window: an unloaded form keeps its controls' values.
        m_text = Text();
        m_selection = GetSelection();
    }
    return TextControl::WindowProc(msg, wParam, lParam);
}

std::optional<win::LRESULT> TextBox::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                 win::LPARAM lParam) {
    switch (msg) {
    case win::WM_COMMAND:
        if (win::HIWORD(wParam) == win::EN_CHANGE && !m_settingText)
            RaiseEvent(eventid::Change);
        return 0;
    default:
        return TextControl::OnReflected(msg, wParam, lParam);
    }
}

} // namespace forms

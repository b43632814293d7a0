#include "propertylist/editors/ValueBoxEditor.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

constexpr int32_t kPixels = 3;
constexpr win::DWORD kButtonStyle = 0x50000000; // WS_CHILD | WS_VISIBLE, a push button
constexpr win::WPARAM kEnter = 13;
constexpr win::WPARAM kEscape = 27;

// The messages the box is hooked for, in the order they are hooked.
constexpr win::UINT kKeyMessages[] = {win::WM_KEYDOWN, win::WM_DESTROY, win::WM_COMMAND};
constexpr win::UINT kPlainMessages[] = {win::WM_DESTROY, win::WM_COMMAND};

} // namespace

ValueBoxEditor::~ValueBoxEditor() {
    UnhookWindows();
    for (win::HWND* window : {&m_hWndButton, &m_hWndValue}) {
        if (*window && win::IsWindow(*window))
            win::DestroyWindow(*window);
        *window = {};
    }
}

int32_t ValueBoxEditor::ScaleMode() {
    return kPixels;
}

bool ValueBoxEditor::GetVisible() {
    return win::IsWindowVisible(m_hWndValue) != win::FALSE;
}

void ValueBoxEditor::LetVisible(bool visible) {
    win::ShowWindow(m_hWndValue, visible ? win::SW_SHOW : win::SW_HIDE);
}

int32_t ValueBoxEditor::hwnd() {
    return static_cast<int32_t>(m_hWndValue.Value());
}

void ValueBoxEditor::LethFont(int32_t hFont) {
    if (hFont != 0)
        win::SendMessageA(m_hWndValue, win::WM_SETFONT, static_cast<win::WPARAM>(hFont), 1);
}

void ValueBoxEditor::Reset(const ole::Ptr<CProperty>&,
                           const ole::Ptr<CEditorListener>& anEditorListener) {
    KeepListener(anEditorListener);
    win::SetWindowTextA(m_hWndValue, "");
}

void ValueBoxEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    using base::RoundHalfEvenToInt32;
    m_ButtonWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    win::SetWindowPos(m_hWndValue, {}, RoundHalfEvenToInt32(nLeft), RoundHalfEvenToInt32(nTop),
                      RoundHalfEvenToInt32(nWidth), RoundHalfEvenToInt32(nHeight),
                      win::SWP_NOZORDER);
    win::SetWindowPos(m_hWndButton, {}, RoundHalfEvenToInt32(nWidth - m_ButtonWidth), 0,
                      m_ButtonWidth, RoundHalfEvenToInt32(nHeight), win::SWP_NOZORDER);
}

void ValueBoxEditor::init(int32_t hParentWnd) {
    m_ButtonWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    const auto parent = win::HWND::FromValue(static_cast<uint32_t>(hParentWnd));
    m_hWndValue =
        win::CreateWindowExA(0, "Static", "", m_valueStyle, 0, 0, 50, 200, parent, {}, {}, nullptr);
    if (!m_hWndValue)
        return;
    m_hWndButton = win::CreateWindowExA(0, "Button", "...", kButtonStyle, 0, 0, m_ButtonWidth, 200,
                                        m_hWndValue, {}, {}, nullptr);
    shared::SubclassWindow(m_hWndValue, *this);
    m_hooked = true;
    if (m_takesKeys) {
        for (const win::UINT msg : kKeyMessages)
            shared::HookMessage(m_hWndValue, msg);
    } else {
        for (const win::UINT msg : kPlainMessages)
            shared::HookMessage(m_hWndValue, msg);
    }
}

void ValueBoxEditor::UnhookWindows() {
    if (!m_hooked || !m_hWndValue || !win::IsWindow(m_hWndValue))
        return;
    m_hooked = false;
    for (const win::UINT msg : kKeyMessages)
        shared::UnhookMessage(m_hWndValue, msg);
    shared::UnsubclassWindow(m_hWndValue);
}

win::LRESULT ValueBoxEditor::WindowMsgListener(win::HWND, win::UINT Msg, win::WPARAM wParam,
                                               win::LPARAM, bool&) {
    // The editor may be released by what the list does at the end of the edit.
    const ole::Ptr<ole::Object> self(this);
    switch (Msg) {
    case win::WM_DESTROY:
        UnhookWindows();
        break;
    case win::WM_KEYDOWN:
        if (wParam == kEnter)
            Commit();
        else if (wParam == kEscape)
            Cancel();
        break;
    case win::WM_COMMAND:
        if (shared::HiWord(wParam) == 0)
            Browse();
        break;
    default:
        break;
    }
    return 0;
}

} // namespace attrgrid

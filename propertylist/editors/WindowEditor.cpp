#include "propertylist/editors/WindowEditor.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

constexpr int32_t kPixels = 3;
constexpr win::WPARAM kEnter = 13;
constexpr win::WPARAM kEscape = 27;

} // namespace

WindowEditor::~WindowEditor() {
    UnhookWindow();
    if (m_window && win::IsWindow(m_window))
        win::DestroyWindow(m_window);
    m_window = {};
}

int32_t WindowEditor::ScaleMode() {
    return kPixels;
}

bool WindowEditor::GetVisible() {
    return win::IsWindowVisible(m_window) != win::FALSE;
}

void WindowEditor::LetVisible(bool visible) {
    win::ShowWindow(m_window, visible ? win::SW_SHOW : win::SW_HIDE);
}

int32_t WindowEditor::hwnd() {
    return static_cast<int32_t>(m_window.Value());
}

void WindowEditor::LethFont(int32_t hFont) {
    if (hFont != 0)
        win::SendMessageA(m_window, win::WM_SETFONT, static_cast<win::WPARAM>(hFont), 1);
}

void WindowEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    using base::RoundHalfEvenToInt32;
    win::SetWindowPos(m_window, {}, RoundHalfEvenToInt32(nLeft), RoundHalfEvenToInt32(nTop),
                      RoundHalfEvenToInt32(nWidth), RoundHalfEvenToInt32(nHeight),
                      win::SWP_NOZORDER);
}

void WindowEditor::Attach(win::HWND window, std::span<const win::UINT> messages) {
    m_window = window;
    if (!m_window)
        return;
    shared::SubclassWindow(m_window, *this);
    m_hooked.assign(messages.begin(), messages.end());
    for (const win::UINT msg : m_hooked)
        shared::HookMessage(m_window, msg);
}

void WindowEditor::UnhookWindow() {
    if (m_hooked.empty() || !m_window || !win::IsWindow(m_window))
        return;
    for (const win::UINT msg : m_hooked)
        shared::UnhookMessage(m_window, msg);
    m_hooked.clear();
    shared::UnsubclassWindow(m_window);
}

void WindowEditor::EndOnKey(win::WPARAM key) {
    if (key == kEnter)
        Commit();
    else if (key == kEscape)
        Cancel();
}

} // namespace attrgrid

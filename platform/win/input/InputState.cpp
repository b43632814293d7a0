#include "platform/win/input/InputState.h"

#include <algorithm>

namespace win::detail {

namespace {

constexpr int kDoubleClickBox = 4;

} // namespace

InputState& InputState::Instance() {
    thread_local InputState state;
    return state;
}

void InputState::SetClip(const RECT* clip) {
    if (clip == nullptr) {
        m_clip.reset();
    } else {
        m_clip = *clip;
    }
}

POINT InputState::ClampToClip(POINT pt) const {
    if (!m_clip) {
        return pt;
    }
    pt.x = std::clamp(pt.x, m_clip->left, std::max(m_clip->left, m_clip->right - 1));
    pt.y = std::clamp(pt.y, m_clip->top, std::max(m_clip->top, m_clip->bottom - 1));
    return pt;
}

bool InputState::PairsWithLastPress(MouseButton button, HWND hwnd, DWORD time, POINT pt) const {
    if (!m_lastPress || m_lastPress->button != button || m_lastPress->hwnd != hwnd) {
        return false;
    }
    if (time - m_lastPress->time > m_doubleClickTime) {
        return false;
    }
    // Half-open box: 4 px wide means offsets -2 to +1.
    const int dx = pt.x - m_lastPress->pt.x;
    const int dy = pt.y - m_lastPress->pt.y;
    constexpr int half = kDoubleClickBox / 2;
    return dx >= -half && dx < half && dy >= -half && dy < half;
}

void InputState::RememberPress(MouseButton button, HWND hwnd, DWORD time, POINT pt) {
    m_lastPress = Press{button, hwnd, time, pt};
}

void InputState::ForgetPressOn(HWND hwnd) {
    if (m_lastPress && m_lastPress->hwnd == hwnd) {
        m_lastPress.reset();
    }
}

void InputState::Reset() {
    *this = InputState{};
}

} // namespace win::detail

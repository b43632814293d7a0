#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// GetDC / ReleaseDC of a window (a null window gives the screen DC); Get() is null when the
// window gives no DC.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(win::HWND hwnd) : m_hwnd(hwnd), m_hdc(win::GetDC(hwnd)) {}
    ~ScopedWindowDc() {
        if (m_hdc)
            win::ReleaseDC(m_hwnd, m_hdc);
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;

    win::HDC Get() const { return m_hdc; }

private:
    win::HWND m_hwnd;
    win::HDC m_hdc;
};

} // namespace attrgrid

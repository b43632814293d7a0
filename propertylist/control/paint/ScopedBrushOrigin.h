#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// Puts the brush origin back as it was at construction.
class ScopedBrushOrigin {
public:
    explicit ScopedBrushOrigin(win::HDC hdc) : m_hdc(hdc) {
        m_saved = win::GetBrushOrgEx(hdc, &m_previous) != 0;
    }
    ~ScopedBrushOrigin() {
        if (m_saved)
            win::SetBrushOrgEx(m_hdc, m_previous.x, m_previous.y, nullptr);
    }
    ScopedBrushOrigin(const ScopedBrushOrigin&) = delete;
    ScopedBrushOrigin& operator=(const ScopedBrushOrigin&) = delete;

private:
    win::HDC m_hdc;
    win::POINT m_previous;
    bool m_saved = false;
};

} // namespace attrgrid

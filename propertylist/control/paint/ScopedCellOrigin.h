#pragma once

#include "shared/util/SystemInfo.h"

#include "platform/win/Win.h"

namespace attrgrid {

// Moves the drawing origin by (x, y) so a cell is drawn from (0, 0). The older platform family
// and NT 4 move the window origin the other way instead of the viewport origin.
class ScopedCellOrigin {
public:
    ScopedCellOrigin(win::HDC hdc, int x, int y)
        : m_hdc(hdc), m_useWindowOrigin(shared::IsWin95() || shared::IsWinNT4()) {
        if (m_useWindowOrigin) {
            m_saved = win::GetWindowOrgEx(hdc, &m_previous) != 0 &&
                      win::SetWindowOrgEx(hdc, m_previous.x - x, m_previous.y - y, nullptr) != 0;
        } else {
            m_saved = win::GetViewportOrgEx(hdc, &m_previous) != 0 &&
                      win::SetViewportOrgEx(hdc, m_previous.x + x, m_previous.y + y, nullptr) != 0;
        }
    }
    ~ScopedCellOrigin() {
        if (!m_saved)
            return;
        if (m_useWindowOrigin)
            win::SetWindowOrgEx(m_hdc, m_previous.x, m_previous.y, nullptr);
        else
            win::SetViewportOrgEx(m_hdc, m_previous.x, m_previous.y, nullptr);
    }
    ScopedCellOrigin(const ScopedCellOrigin&) = delete;
    ScopedCellOrigin& operator=(const ScopedCellOrigin&) = delete;

private:
    win::HDC m_hdc;
    bool m_useWindowOrigin;
    win::POINT m_previous;
    bool m_saved = false;
};

} // namespace attrgrid

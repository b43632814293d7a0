#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// Selects a GDI object and selects the previous one back. A failed selection (the object is
// null, or a bitmap that does not fit the DC) changes nothing; Selected() tells.
class ScopedSelect {
public:
    ScopedSelect(win::HDC hdc, win::HGDIOBJ object)
        : m_hdc(hdc), m_previous(object ? win::SelectObject(hdc, object) : win::HGDIOBJ{}) {}
    ~ScopedSelect() {
        if (m_previous)
            win::SelectObject(m_hdc, m_previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

    bool Selected() const { return static_cast<bool>(m_previous); }

private:
    win::HDC m_hdc;
    win::HGDIOBJ m_previous;
};

} // namespace attrgrid

#pragma once

#include "platform/win/gdi/OwnedObject.h"

#include <cstdint>

namespace shared {

// One cached pen and the attributes it was made with.
class CPen {
public:
    win::HPEN hPen() const { return m_pen.Get(); }
    bool isSame(win::COLORREF color, int32_t style, int32_t width) const;
    // Makes the pen; the attributes are kept only when it was made.
    bool init(win::COLORREF color, int32_t style, int32_t width);
    // Re-makes the pen only for other attributes, which are kept even when the new pen fails.
    void UpdateInfo(win::COLORREF color, int32_t style, int32_t width);

private:
    win::OwnedObject<win::HPEN> m_pen;
    win::COLORREF m_color = 0;
    int32_t m_style = 0;
    int32_t m_width = 0;
};

} // namespace shared

#pragma once

#include "platform/forms/control/OleColor.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>

namespace forms {

// Colour members cross the automation boundary as Longs, the way hosts write them
// (&H8000000F is negative as a Long): a let accepts a Long, an unsigned value or anything that
// converts to a whole number in either range; a get hands back the same bits as a Long.
OLE_COLOR ColorFromArgument(const ole::Variant& value);
inline int32_t ColorToLong(OLE_COLOR color) {
    return static_cast<int32_t>(color);
}

// A solid brush of one OLE colour, made when first asked for and remade when the colour (or
// the system colour it names) changes; the control answers WM_CTLCOLOR* with it.
class ColorBrush {
public:
    ColorBrush() = default;
    ~ColorBrush();
    ColorBrush(const ColorBrush&) = delete;
    ColorBrush& operator=(const ColorBrush&) = delete;

    win::HBRUSH Get(OLE_COLOR color);
    void Release();

private:
    win::HBRUSH m_brush;
    win::COLORREF m_color = 0;
};

} // namespace forms

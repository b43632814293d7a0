#pragma once

#include "platform/forms/control/OleColor.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace forms {

// FillStyle: 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal, 5 downward
// diagonal, 6 cross, 7 diagonal cross. 380 outside 0-7.
void CheckFillStyle(int16_t fillStyle);
// The brush a fill style paints with in `color` (the caller owns it); null for transparent.
win::HBRUSH CreateFillBrush(int16_t fillStyle, OLE_COLOR color);

} // namespace forms

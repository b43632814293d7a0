#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace shelfstrip {

// Draws (sx, sy, sw, sh) of `src` at (x, y, w, h) of `hdc`, stretched when the sizes differ,
// leaving the destination where the source has `transparent` (an OLE colour, translated first).
// Builds a monochrome mask; everything it creates is gone afterwards and the destination keeps
// its text and background colours. False, with nothing drawn, when a DC, bitmap or selection
// could not be made.
bool DrawTransparentBitmap(win::HDC hdc, int32_t x, int32_t y, int32_t w, int32_t h, win::HDC src,
                           int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t transparent);

} // namespace shelfstrip

#pragma once

// OLE colours and RGB shades. An OLE colour with bit 31 set names a system colour by index.

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace shared {

// Bit 31 set: the colour is a system-colour index, not RGB.
bool IsSystemColor(uint32_t color);
// RGB unchanged; a system colour through the platform's table (unknown indices give 0, so
// -1 is black and callers replace it by their default first).
win::COLORREF TranslateColor(uint32_t color);

struct RgbParts {
    int32_t r = 0;
    int32_t g = 0;
    int32_t b = 0;
};
RgbParts SplitRGB(win::COLORREF color);
void SplitRGB(win::COLORREF color, int32_t& r, int32_t& g, int32_t& b);

// Each channel times the single-precision factor (computed in double), rounded half to even and
// capped at 255. Takes RGB: translate system colours first.
win::COLORREF ScaleColor(win::COLORREF color, float factor);
win::COLORREF DarkenColor(win::COLORREF color);  // factor 0.8
win::COLORREF LightenColor(win::COLORREF color); // factor 1.1

} // namespace shared

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

HBRUSH CreateSolidBrush(COLORREF color);
// HS_HORIZONTAL ... HS_DIAGCROSS: 8x8 lines in color; gaps take the background colour in OPAQUE
// mode and stay untouched in TRANSPARENT mode.
HBRUSH CreateHatchBrush(int style, COLORREF color);
// Copies the bitmap (the caller may delete it at once). A monochrome tile paints 0 bits in the
// DC's text colour and 1 bits in its background colour.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
} // namespace win

#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiConstants.h"

namespace win {

// planes 1 with 1 bpp (monochrome) or 24/32 bpp (device colour). bits: rows top-down, each padded
// to an even number of bytes; null gives a black bitmap.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// Rows of bm->bmWidthBytes bytes; 1-bpp rows have the leftmost pixel in the most significant bit.
HBITMAP CreateBitmapIndirect(const BITMAP* bm);
// Colour for window, screen and desktop DCs; a memory DC gives the depth of its selected bitmap.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);

} // namespace win

#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiConstants.h"

namespace win {

// Ternary raster operations over (pattern = the destination's brush, source, destination).
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);
// Nearest neighbour: destination column i samples source column sx + floor((i + 0.5) * sw / dw).
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy,
                int sourceWidth, int sourceHeight, DWORD rop);
// Endpoint-inclusive linear gradients, channels rounded half to even.
BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                  ULONG meshCount, ULONG mode);
// Copies every source pixel whose colour differs from transparent.
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy,
                    int sourceWidth, int sourceHeight, UINT transparent);

} // namespace win

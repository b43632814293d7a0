#pragma once

// Rectangle and pattern-origin helpers for drawing and hit testing.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

namespace shared {

// Strict on all four sides: a point on an edge is outside, an empty rectangle holds nothing.
bool PointInRect(float x, float y, const win::RECT& rect);

// (x, y, x + cx, y + cy), the sums taken in 64 bits; run-time error 6 when one leaves 32 bits.
win::RECT RectFromExtent(int32_t x, int32_t y, int32_t cx, int32_t cy);

// rect.right - rect.left and rect.bottom - rect.top in 64 bits; error 6 outside 32 bits.
int32_t RectWidth(const win::RECT& rect);
int32_t RectHeight(const win::RECT& rect);

// Moves the brush origin to ((-x) & 7, (-y) & 7) so an 8-pixel pattern stays fixed to content
// scrolled by (x, y).
void AlignPatternBrush(win::HDC hdc, int32_t x, int32_t y);

// The top-left corners, row by row, of the width x height tiles laid from area's top-left corner
// that meet both area and rect: a repaint of a small part costs only the tiles it touches.
void ForEachTile(const win::RECT& area, const win::RECT& rect, int32_t width, int32_t height,
                 const std::function<void(int32_t x, int32_t y)>& tile);

} // namespace shared

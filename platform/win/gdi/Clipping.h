#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Logical coordinates. Each returns the new clip's type (NULLREGION, SIMPLEREGION,
// COMPLEXREGION) or ERROR; the clip stays for the DC's life.
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
// hrgn in device coordinates of the DC's area; null goes back to the visible region.
int SelectClipRgn(HDC hdc, HRGN hrgn);
// The bounding box of the current clip in logical coordinates.
int GetClipBox(HDC hdc, RECT* rect);

} // namespace win

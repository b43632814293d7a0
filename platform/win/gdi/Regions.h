#pragma once

#include "platform/win/WinTypes.h"

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
// NULLREGION, SIMPLEREGION, COMPLEXREGION; ERROR for a bad handle.
int GetRgnBox(HRGN hrgn, RECT* rect);
BOOL PtInRegion(HRGN hrgn, int x, int y);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN hrgn, int dx, int dy);

} // namespace win

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// The platform's rectangle helpers. A rectangle with left >= right or top >= bottom is empty.
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dest, const RECT* source);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
// Half-open: the right and bottom edges are outside.
BOOL PtInRect(const RECT* rect, POINT point);
// Empty result and FALSE when either input is empty or they do not overlap.
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);
// An empty input yields the other; two empty inputs yield an empty result (FALSE).
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
// a minus b when b covers a whole side of a; otherwise a. FALSE when the result is empty.
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b);

} // namespace win

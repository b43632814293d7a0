#pragma once

// Text output and measurement with the font selected into a DC. Strings are UTF-8; lengths are
// in bytes. Advances are whole pixels without kerning, so a string measures exactly what is drawn.

#include "platform/win/text/TextConstants.h"

namespace win {

// cx = the sum of the advances, cy = tmHeight (also for an empty string). A rotated font reports
// the unrotated extent.
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size);

// How many leading code points fit in maxExtent (fit may be null), the cumulative advance after
// each code point (dx may be null; one entry per code point) and the whole extent.
BOOL GetTextExtentExPointA(HDC hdc, LPCSTR text, int length, int maxExtent, int* fit, int* dx,
                           SIZE* size);

// x, y is the reference point chosen by the DC's text alignment. ETO_OPAQUE fills rect with the
// background colour, ETO_CLIPPED clips to rect (both logical). In OPAQUE background mode every
// character cell is filled even without ETO_OPAQUE. dx (per-character advances) may be null.
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                 const INT* dx);
// With TA_UPDATECP the current position is used and moved past the text.
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);

// length -1: NUL-terminated. Returns the height of the text drawn (0 on failure); DT_CALCRECT
// measures into *rect without drawing.
int DrawTextA(HDC hdc, LPCSTR text, int length, RECT* rect, UINT format);

} // namespace win

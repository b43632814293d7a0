#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// hbr may be a brush or COLOR_x + 1. Right and bottom edges are excluded.
int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr);

// The classic three-dimensional edges; BF_ADJUST shrinks *rect to the interior.
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);

// CLR_INVALID outside the clip or for a bad DC.
COLORREF GetPixel(HDC hdc, int x, int y);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

} // namespace win

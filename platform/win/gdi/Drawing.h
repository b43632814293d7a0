#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// hbr may be a brush or COLOR_x + 1. Right and bottom edges are excluded; ROP2 ignored.
int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr);
// One-pixel border on the inside edge of rect, drawn with the brush.
int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbr);
BOOL InvertRect(HDC hdc, const RECT* rect);
// A dotted frame on the inside edge of rect, XOR-ed in; drawing it twice restores the pixels.
BOOL DrawFocusRect(HDC hdc, const RECT* rect);

// The classic three-dimensional edges; BF_ADJUST shrinks *rect to the interior.
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);

// CLR_INVALID outside the clip or for a bad DC.
COLORREF GetPixel(HDC hdc, int x, int y);
// Writes directly (ROP2 ignored); returns the colour written, or CLR_INVALID (-1) when clipped.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);

// From the current position (included) to (x, y) (excluded) with the selected pen and ROP2.
BOOL LineTo(HDC hdc, int x, int y);
// Outline with the pen, interior with the brush; corners may come in any order.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

} // namespace win

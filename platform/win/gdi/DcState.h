#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Each setter returns the previous value (0 for a bad DC or argument).
int SetROP2(HDC hdc, int rop2);
int GetROP2(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);
// GDI_ERROR (0xFFFFFFFF) for a bad DC.
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);

// Device pixels, not affected by the origins.
BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* old);
BOOL GetBrushOrgEx(HDC hdc, POINT* origin);
// device = logical - window origin + viewport origin.
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* old);
BOOL GetViewportOrgEx(HDC hdc, POINT* origin);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* old);
// Move the origin by (dx, dy).
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* old);
BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* old);
BOOL GetWindowOrgEx(HDC hdc, POINT* origin);

// Saves attributes, mapping, clip and selections; returns the depth (0 for a bad DC).
int SaveDC(HDC hdc);
// level > 0: that saved depth; level < 0: relative to the newest (-1 = the last save).
BOOL RestoreDC(HDC hdc, int level);

// Logical coordinates; restarts the pen's dash pattern.
BOOL MoveToEx(HDC hdc, int x, int y, POINT* old);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);

} // namespace win

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Returns the previously selected object of that kind, or null on failure: bitmaps only go into
// memory DCs and into one DC at a time. Selecting a region sets the clip and returns its type.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP.
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
// OBJ_* for objects and DCs; 0 for unknown handles.
DWORD GetObjectType(HGDIOBJ handle);
DWORD GetObjectType(HDC hdc);
// BITMAP for bitmaps, LOGPEN, LOGBRUSH, the font layer's LOGFONTA; bytes written, 0 on failure.
// out null returns the size needed.
int GetObjectA(HGDIOBJ handle, int size, void* out);

// Stock brushes, pens and fonts.
HGDIOBJ GetStockObject(int index);
// TRUE for live objects and stock objects (which stay); FALSE for unknown or deleted handles.
// An object selected into a DC is deleted when the last DC deselects it.
BOOL DeleteObject(HGDIOBJ object);

} // namespace win

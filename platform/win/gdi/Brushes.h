#pragma once

#include "platform/win/WinTypes.h"

namespace win {

HBRUSH CreateSolidBrush(COLORREF color);
// Stock brushes (WHITE_BRUSH ... NULL_BRUSH); other stock kinds come with the drawing layer.
HGDIOBJ GetStockObject(int index);
// TRUE for stock objects too (they stay); FALSE for unknown handles.
BOOL DeleteObject(HGDIOBJ object);

} // namespace win

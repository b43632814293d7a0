#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// PS_SOLID ... PS_INSIDEFRAME; width 0 or 1 is a cosmetic one-pixel pen.
HPEN CreatePen(int style, int width, COLORREF color);

} // namespace win

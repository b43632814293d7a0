#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// Moves the drawing origin by (x, y) so a cell is drawn from (0, 0); the caller's win::SavedDc
// puts it back. The older platform family and NT 4 move the window origin the other way instead
// of the viewport origin.
void OffsetCellOrigin(win::HDC hdc, int x, int y);

} // namespace attrgrid

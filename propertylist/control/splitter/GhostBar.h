#pragma once

#include "platform/win/WinTypes.h"

namespace attrgrid {

enum class GhostBarAxis { Horizontal, Vertical };

// XOR-draws the drag feedback of a splitter on the screen, across the visible part of the
// container window: a horizontal bar `offset` pixels below the container's client top, or a
// vertical bar `offset` pixels right of its client left. It is as thick as the window frame.
// Drawing the same bar twice leaves the screen as it was; without a screen DC nothing is drawn.
void DrawGhostBar(win::HWND container, GhostBarAxis axis, int offset);

} // namespace attrgrid

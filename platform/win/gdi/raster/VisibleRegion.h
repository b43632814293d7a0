#pragma once

#include "platform/win/gdi/raster/Region.h"

namespace win::gdi {

// The part of a window that shows on its top-level framebuffer, in framebuffer coordinates:
// its client area (or whole window with DCX_WINDOW) cut by every ancestor's client area, by the
// siblings above it where WS_CLIPSIBLINGS asks, and by its children with DCX_CLIPCHILDREN. Empty
// when the window is not shown.
Region VisibleRegion(HWND hwnd, DWORD dcxFlags);

} // namespace win::gdi

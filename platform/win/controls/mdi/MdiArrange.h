#pragma once

#include "platform/win/controls/mdi/Mdi.h"

namespace win::mdi {

bool IsMdiChild(HWND hwnd);

// Where the index-th window of a cascade goes in a client area of `area`: a caption's step
// further down and right for each window, starting over after eight, at three quarters of the
// area's size. New children placed by CW_USEDEFAULT follow the same steps.
RECT CascadeSlot(const RECT& area, int index);

// Both arrangements take the visible children that are not minimised, restore a maximised one,
// and keep the z-order; false when there was nothing to arrange.
//
// Cascade: from the bottom of the z-order up, so the active child ends in the last slot on top.
bool CascadeChildren(HWND client);
// Tile: a grid of n = count children whose short side holds floor(sqrt(n)) cells: vertical tiling
// lays out columns side by side (two children side by side), horizontal tiling rows one under
// another (two children stacked); the last column (row) takes the children left over. Cells
// split the client exactly, the active child in the first.
bool TileChildren(HWND client, UINT how);

} // namespace win::mdi

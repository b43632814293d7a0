#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

// A top-level window's menu bar, drawn in its non-client area between the caption and the client
// edge, SM_CYMENU high.

// SM_CYMENU for a top-level window with a live bar, else 0.
int MenuBarHeight(HWND hwnd);

// Paints the bar into `bar` of the window DC (window coordinates), with the tracked item
// highlighted.
void PaintMenuBar(HWND hwnd, HDC windowDc, const RECT& bar);

// The bar's rectangle in screen coordinates; empty without a bar.
RECT MenuBarScreenRect(HWND hwnd);

// The bar item under a screen point; -1 for none.
int MenuBarItemAt(HWND hwnd, POINT screen);
// An item's rectangle in screen coordinates.
RECT MenuBarItemRect(HWND hwnd, int item);

// Highlights a bar item (-1 none) and repaints the bar.
void HighlightMenuBarItem(HWND hwnd, int item);

// Recomputes the frame when the bar came or went, else repaints the bar.
void MenuBarChanged(HWND hwnd, bool hadBar);

// A bar goes with its window.
void DestroyMenuBarOf(HWND hwnd);

} // namespace win::detail

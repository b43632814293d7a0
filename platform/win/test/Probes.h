#pragma once

// State probes for tests: the window tree, live counts, the log of exceptions caught at the
// platform's boundaries, and pixels.

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/detail/GdiObject.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace win::test {

struct CaughtException {
    std::string where; // "window procedure", "hook procedure", "timer callback", ...
    std::string what;
};

// Every boundary that swallows an exception (window procedures here; hooks and timers in the
// loop) reports it through this.
void RecordCaughtException(std::string_view where, std::string_view what);
const std::vector<CaughtException>& CaughtExceptions();
void ClearCaughtExceptions();

// One line per window, indented by depth, top-level windows in z-order and children in z-order:
// handle, class, text, window and client rectangles (screen), styles, visibility, enabled state,
// owner, and the focus/active marks.
std::string DumpWindowTree();

size_t LiveWindowCount();
size_t LiveDcCount();
size_t LiveGdiObjectCount();
size_t LiveGdiObjectCount(gdi::GdiObjectKind kind);

// The drop-down list of a combo box while one shows, else null.
HWND DroppedList();

// A pixel of a window's framebuffer in window coordinates (0,0 = top-left of the non-client area).
COLORREF WindowPixel(HWND hwnd, int x, int y);
// A pixel of the screen composite.
COLORREF ScreenPixel(int x, int y);

} // namespace win::test

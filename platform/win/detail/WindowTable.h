#pragma once

// The window table: the platform-internal view of every window, shared by the window manager and
// the message loop.

#include "platform/win/WinTypes.h"
#include "platform/win/detail/WindowRecord.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace win::detail {

// The record of a live window; nullptr for null, stale or already freed handles. Valid until the
// next message is sent: hold KeepWindow's reference across calls that may destroy windows.
WindowRecord* LookupWindow(HWND hwnd);
std::shared_ptr<WindowRecord> KeepWindow(HWND hwnd);

// Calls the window's current procedure, with the message spy and the exception boundary.
// SendMessageA and DispatchMessageA both end here. Returns 0 for a dead window.
LRESULT DeliverMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The next window owed a WM_PAINT: visible, with a non-empty update region (or a frame waiting for
// WM_NCPAINT); top-level windows in z-order, parents before children. Null when none.
HWND NextWindowToPaint();

// Top-level windows, topmost first.
std::vector<HWND> TopLevelWindowsInZOrder();

// Mouse activation at dequeue: WM_MOUSEACTIVATE to target, then activation of its top-level window
// unless the answer or the window refuses it. False when the answer asks to discard the press.
bool ActivateOnMousePress(HWND target, UINT msg, int hitCode);

// Destroys every window, restores the class table to the system classes, clears spies, focus and
// the active window.
void ResetWindows();

size_t LiveWindowCount();

} // namespace win::detail

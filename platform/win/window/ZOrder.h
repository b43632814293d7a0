#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

struct WindowRecord;

// Puts record into its sibling list: new children go to the bottom (so the first child created
// comes first in tab order), new top-level windows to the top of their band.
void LinkNewWindow(WindowRecord& record);
void UnlinkWindow(const WindowRecord& record);

// Moves hwnd within its siblings: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or after a
// sibling. Returns true when the order changed.
bool Restack(HWND hwnd, HWND insertAfter);

// Re-establishes the top-level order rules: the topmost band first, every owned window above its
// owner's top-level window; then tells the backend if anything (or `changed`) moved.
void NormalizeTopLevelOrder(bool changed = false);

} // namespace win::detail

#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

struct WindowRecord;

// A top-level window's framebuffer and its mirror in the display backend (id = HWND value).
void CreateTopLevelSurface(WindowRecord& record);
void DestroyTopLevelSurface(WindowRecord& record);
// After a move or resize: the framebuffer follows the window size.
void SyncTopLevelRect(WindowRecord& record);
void SyncTopLevelShown(const WindowRecord& record);
// Sends the damaged part of the framebuffer (window coordinates) to the screen.
void PresentTopLevel(const WindowRecord& record, const RECT& damage);

} // namespace win::detail

#pragma once

namespace win::detail {

struct WindowRecord;

// A top-level window's framebuffer and its mirror in the display backend (id = HWND value).
void CreateTopLevelSurface(WindowRecord& record);
void DestroyTopLevelSurface(WindowRecord& record);
// After a move or resize: the framebuffer follows the window size.
void SyncTopLevelRect(WindowRecord& record);
void SyncTopLevelShown(const WindowRecord& record);

} // namespace win::detail

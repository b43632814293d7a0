#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/raster/Region.h"

namespace win::detail {

struct WindowRecord;

// Which children an invalidation reaches besides the window itself.
enum class ChildScope {
    UnlessClipChildren, // visible children, unless the window has WS_CLIPCHILDREN
    All,                // every visible descendant under the area
    None,
};

// region in hwnd's client coordinates.
void InvalidateClientRegion(HWND hwnd, gdi::Region region, bool erase, ChildScope scope);
void ValidateClientRegion(HWND hwnd, const gdi::Region& region, ChildScope scope);

// The whole window, frame included, and all its descendants, with erase.
void InvalidateWholeWindow(HWND hwnd);

// What uncovering screenRect inside record's parent exposes: the parent and every sibling under
// it are invalidated with erase. Top-level windows have framebuffers of their own and expose
// nothing.
void ExposeParentArea(const WindowRecord& record, const RECT& screenRect);

bool NeedsPaint(const WindowRecord& record);

// Scrolling moves the pending update region with the pixels (clipped to the client area).
void OffsetUpdateRegion(HWND hwnd, int dx, int dy);

} // namespace win::detail

#include "platform/win/gdi/Scrolling.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/detail/RegionObject.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/gdi/raster/VisibleRegion.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Window.h"
#include "platform/win/window/WindowState.h"

#include <vector>

namespace win {

namespace {

// `r` moved by `by`, pinned to the coordinate range.
RECT Shifted(const RECT& r, POINT by) {
    return {PinCoordinate(static_cast<long long>(r.left) + by.x),
            PinCoordinate(static_cast<long long>(r.top) + by.y),
            PinCoordinate(static_cast<long long>(r.right) + by.x),
            PinCoordinate(static_cast<long long>(r.bottom) + by.y)};
}

void MoveChildren(const detail::WindowRecord& record, int dx, int dy) {
    const RECT client = record.clientRect;
    const std::vector<HWND> children = record.children;
    for (HWND child : children) {
        const detail::WindowRecord* c = detail::LookupWindow(child);
        if (!c) {
            continue;
        }
        const RECT at = Shifted(c->windowRect, {dx - client.left, dy - client.top});
        SetWindowPos(child, {}, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

// The pixels that move are the visible client pixels (children excluded, so a child's pixels are
// neither moved nor overwritten). A destination pixel whose source was not visible, being under a
// child, a sibling or outside the area, keeps its old pixels and is invalidated with the exposed
// strip.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN hrgnUpdate,
                   RECT* update, UINT flags) {
    detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record) {
        return ERROR;
    }
    dx = PinCoordinate(dx);
    dy = PinCoordinate(dy);
    const HWND rootHwnd = detail::RootWindow(hwnd);
    detail::WindowRecord* root = detail::LookupWindow(rootHwnd);
    DWORD dcx = DCX_CLIPCHILDREN;
    if (record->style & WS_CLIPSIBLINGS) {
        dcx |= DCX_CLIPSIBLINGS;
    }
    // Framebuffer coordinates of the client area's top-left.
    const POINT origin{record->clientRect.left - root->windowRect.left,
                       record->clientRect.top - root->windowRect.top};
    const RECT clientDevice =
        Shifted(record->clientRect, {-root->windowRect.left, -root->windowRect.top});
    gdi::Region visible = gdi::VisibleRegion(hwnd, dcx);
    gdi::Region area(clientDevice);
    if (scroll) {
        area.Intersect(Shifted(*scroll, origin));
    }
    gdi::Region limit = area;
    if (clip) {
        limit.Intersect(Shifted(*clip, origin));
    }
    gdi::Region source = visible;
    source.Intersect(area);
    gdi::Region moved = source;
    moved.Offset(dx, dy);
    moved.Intersect(visible);
    moved.Intersect(limit);

    if (root && root->surface && !moved.IsEmpty()) {
        gdi::Surface& surface = *root->surface;
        const RECT box = moved.Bounds();
        const int w = box.right - box.left;
        std::vector<uint32_t> copy(static_cast<size_t>(w) * (box.bottom - box.top));
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                copy[static_cast<size_t>(y - box.top) * w + (x - box.left)] =
                    surface.Pixel(x - dx, y - dy);
            }
        }
        for (const RECT& part : moved.Rects()) {
            for (int y = part.top; y < part.bottom; ++y) {
                for (int x = part.left; x < part.right; ++x) {
                    surface.SetPixel(x, y,
                                     copy[static_cast<size_t>(y - box.top) * w + (x - box.left)]);
                }
            }
        }
    }

    // What the scroll could not fill from visible pixels.
    gdi::Region invalid = visible;
    invalid.Intersect(limit);
    invalid.Subtract(moved);
    invalid.Offset(-origin.x, -origin.y);

    detail::OffsetUpdateRegion(hwnd, dx, dy);
    if (flags & SW_SCROLLCHILDREN) {
        MoveChildren(*record, dx, dy);
    }
    if (flags & SW_INVALIDATE) {
        detail::InvalidateClientRegion(hwnd, invalid, (flags & SW_ERASE) != 0,
                                       detail::ChildScope::None);
    }
    if (hrgnUpdate) {
        if (auto* target = gdi::GdiObjects::Find<gdi::RegionObject>(hrgnUpdate)) {
            target->Get() = invalid;
        }
    }
    if (update) {
        *update = invalid.Bounds();
    }
    return invalid.Complexity();
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    const UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN);
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, {}, nullptr, flags) != ERROR ? TRUE : FALSE;
}

} // namespace win

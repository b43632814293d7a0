#include "platform/win/gdi/Scrolling.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/detail/RegionObject.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/gdi/raster/VisibleRegion.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/Window.h"
#include "platform/win/window/WindowState.h"

#include <vector>

namespace win {

namespace {

void MoveChildren(const detail::WindowRecord& record, int dx, int dy) {
    const RECT client = record.clientRect;
    const std::vector<HWND> children = record.children;
    for (HWND child : children) {
        const detail::WindowRecord* c = detail::LookupWindow(child);
        if (!c) {
            continue;
        }
        SetWindowPos(child, {}, c->windowRect.left - client.left + dx,
                     c->windowRect.top - client.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    const HWND rootHwnd = detail::RootWindow(hwnd);
    detail::WindowRecord* root = detail::LookupWindow(rootHwnd);
    DWORD dcx = DCX_CLIPCHILDREN;
    if (record->style & WS_CLIPSIBLINGS) {
        dcx |= DCX_CLIPSIBLINGS;
    }
    // Framebuffer coordinates of the client area's top-left.
    const POINT origin{record->clientRect.left - root->windowRect.left,
                       record->clientRect.top - root->windowRect.top};
    const RECT clientDevice{origin.x, origin.y,
                            origin.x + record->clientRect.right - record->clientRect.left,
                            origin.y + record->clientRect.bottom - record->clientRect.top};
    gdi::Region visible = gdi::VisibleRegion(hwnd, dcx);
    gdi::Region area(clientDevice);
    if (scroll) {
        area.Intersect(RECT{scroll->left + origin.x, scroll->top + origin.y,
                            scroll->right + origin.x, scroll->bottom + origin.y});
    }
    gdi::Region limit = area;
    if (clip) {
        limit.Intersect(RECT{clip->left + origin.x, clip->top + origin.y, clip->right + origin.x,
                             clip->bottom + origin.y});
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

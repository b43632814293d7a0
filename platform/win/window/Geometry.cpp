#include "platform/win/window/Geometry.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/raster/Region.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/TopLevelSurface.h"
#include "platform/win/window/VisibilityInternal.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

#include <algorithm>

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

RECT Offset(const RECT& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

LPARAM PackPoint(int x, int y) {
    return MAKELPARAM(static_cast<uint32_t>(x) & 0xFFFF, static_cast<uint32_t>(y) & 0xFFFF);
}

void OffsetDescendants(HWND hwnd, int dx, int dy) {
    const std::vector<HWND> subtree = detail::SubtreePreOrder(hwnd);
    for (size_t i = 1; i < subtree.size(); ++i) {
        WindowRecord* r = LookupWindow(subtree[i]);
        r->windowRect = Offset(r->windowRect, dx, dy);
        r->clientRect = Offset(r->clientRect, dx, dy);
    }
}

WPARAM SizeKind(DWORD style) {
    if (style & WS_MINIMIZE) {
        return SIZE_MINIMIZED;
    }
    return (style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

// The client origin a window's children and WM_MOVE are measured from, per window.
POINT ClientOriginOf(HWND hwnd) {
    if (!hwnd) {
        return {0, 0};
    }
    const WindowRecord* r = LookupWindow(hwnd);
    return r ? POINT{r->clientRect.left, r->clientRect.top} : POINT{0, 0};
}

} // namespace

int PinCoordinate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -kCoordinateLimit, kCoordinateLimit));
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    x = PinCoordinate(x);
    y = PinCoordinate(y);
    cx = PinCoordinate(cx);
    cy = PinCoordinate(cy);
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || hwnd == detail::WindowManager().desktop) {
        return FALSE;
    }
    const std::shared_ptr<WindowRecord> keep = detail::KeepWindow(hwnd);
    POINT origin = detail::ChildOrigin(*record);
    const RECT oldWindow = record->windowRect;
    const RECT oldClient = record->clientRect;
    const bool wasVisible = (record->style & WS_VISIBLE) != 0;
    if (flags & SWP_NOMOVE) {
        x = oldWindow.left - origin.x;
        y = oldWindow.top - origin.y;
    }
    if (flags & SWP_NOSIZE) {
        cx = oldWindow.right - oldWindow.left;
        cy = oldWindow.bottom - oldWindow.top;
    }

    WINDOWPOS pos;
    pos.hwnd = hwnd;
    pos.hwndInsertAfter = insertAfter;
    pos.x = x;
    pos.y = y;
    pos.cx = cx;
    pos.cy = cy;
    pos.flags = flags;
    if (!(flags & SWP_NOSENDCHANGING)) {
        detail::DeliverMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!(record = LookupWindow(hwnd))) {
            return FALSE;
        }
    }
    flags = pos.flags;
    origin = detail::ChildOrigin(*record);
    // WM_WINDOWPOSCHANGING may have changed what was pinned, and nesting adds up origins: the
    // screen edges are kept within a wider range, where a pinned child keeps its size.
    const auto screenEdge = [](long long v) {
        constexpr long long kScreenEdgeLimit = (1LL << 30) - 1;
        return static_cast<int>(std::clamp(v, -kScreenEdgeLimit, kScreenEdgeLimit));
    };
    const long long left = static_cast<long long>(origin.x) + pos.x;
    const long long top = static_cast<long long>(origin.y) + pos.y;
    const RECT newWindow{screenEdge(left), screenEdge(top), screenEdge(left + std::max(pos.cx, 0)),
                         screenEdge(top + std::max(pos.cy, 0))};
    const bool moved = newWindow.left != oldWindow.left || newWindow.top != oldWindow.top;
    const bool sized = newWindow.right - newWindow.left != oldWindow.right - oldWindow.left ||
                       newWindow.bottom - newWindow.top != oldWindow.bottom - oldWindow.top;

    // Any move or size recomputes the frame, so style changes made without SWP_FRAMECHANGED
    // reach the layout here.
    if (moved || sized || (flags & SWP_FRAMECHANGED)) {
        record->windowRect = newWindow;
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = Offset(newWindow, -origin.x, -origin.y);
        params.rgrc[1] = Offset(oldWindow, -origin.x, -origin.y);
        params.rgrc[2] = Offset(oldClient, -origin.x, -origin.y);
        params.lppos = &pos;
        detail::DeliverMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (!(record = LookupWindow(hwnd))) {
            return FALSE;
        }
        const RECT newClient = Offset(params.rgrc[0], origin.x, origin.y);
        OffsetDescendants(hwnd, newClient.left - record->clientRect.left,
                          newClient.top - record->clientRect.top);
        record->clientRect = newClient;
        if (!(record->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
            record->restoreRect = Offset(newWindow, -origin.x, -origin.y);
        }
        detail::SyncTopLevelRect(*record);
    }

    const bool restacked = !(flags & SWP_NOZORDER) && detail::Restack(hwnd, pos.hwndInsertAfter);
    if ((flags & SWP_SHOWWINDOW) && !wasVisible) {
        detail::MarkShown(hwnd);
    } else if ((flags & SWP_HIDEWINDOW) && wasVisible) {
        detail::MarkHidden(hwnd);
    }
    if (!(record = LookupWindow(hwnd))) {
        return TRUE;
    }

    const bool visible = (record->style & WS_VISIBLE) != 0;
    if (!(flags & SWP_NOREDRAW) && visible && wasVisible) {
        if (moved || sized || (flags & SWP_FRAMECHANGED)) {
            detail::InvalidateWholeWindow(hwnd);
            gdi::Region uncovered(oldWindow);
            uncovered.Subtract(record->windowRect);
            for (const RECT& piece : uncovered.Rects()) {
                detail::ExposeParentArea(*record, piece);
            }
        }
        if (restacked && record->parent) {
            detail::ExposeParentArea(*record, record->windowRect);
        }
    }

    pos.x = record->windowRect.left - origin.x;
    pos.y = record->windowRect.top - origin.y;
    pos.cx = record->windowRect.right - record->windowRect.left;
    pos.cy = record->windowRect.bottom - record->windowRect.top;
    detail::DeliverMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(record = LookupWindow(hwnd))) {
        return TRUE;
    }
    const RECT client = record->clientRect;
    const POINT parentOrigin = detail::ChildOrigin(*record);
    if (client.left - parentOrigin.x != oldClient.left - origin.x ||
        client.top - parentOrigin.y != oldClient.top - origin.y) {
        detail::DeliverMessage(
            hwnd, WM_MOVE, 0, PackPoint(client.left - parentOrigin.x, client.top - parentOrigin.y));
    }
    if (!(record = LookupWindow(hwnd))) {
        return TRUE;
    }
    if (client.right - client.left != oldClient.right - oldClient.left ||
        client.bottom - client.top != oldClient.bottom - oldClient.top) {
        detail::DeliverMessage(hwnd, WM_SIZE, SizeKind(record->style),
                               PackPoint(client.right - client.left, client.bottom - client.top));
    }
    if (!(record = LookupWindow(hwnd))) {
        return TRUE;
    }
    if (!record->parent && !(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) &&
        (record->style & WS_VISIBLE) && detail::MayActivate(*record) &&
        detail::WindowManager().active != hwnd) {
        detail::ChangeActiveWindow(hwnd, WA_ACTIVE);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, {}, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || !rect) {
        return FALSE;
    }
    *rect = record->windowRect;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || !rect) {
        return FALSE;
    }
    *rect = {0, 0, record->clientRect.right - record->clientRect.left,
             record->clientRect.bottom - record->clientRect.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || !point) {
        return FALSE;
    }
    point->x += record->clientRect.left;
    point->y += record->clientRect.top;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || !point) {
        return FALSE;
    }
    point->x -= record->clientRect.left;
    point->y -= record->clientRect.top;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    if ((from && !LookupWindow(from)) || (to && !LookupWindow(to))) {
        return 0;
    }
    const POINT a = ClientOriginOf(from);
    const POINT b = ClientOriginOf(to);
    const int dx = a.x - b.x;
    const int dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<uint32_t>(dx) & 0xFFFF, static_cast<uint32_t>(dy) & 0xFFFF);
}

} // namespace win

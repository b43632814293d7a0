#include "platform/win/paint/Invalidation.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/WindowState.h"

namespace win::detail {

namespace {

RECT Offset(const RECT& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

RECT ClientBounds(const WindowRecord& record) {
    return {0, 0, record.clientRect.right - record.clientRect.left,
            record.clientRect.bottom - record.clientRect.top};
}

} // namespace

bool NeedsPaint(const WindowRecord& record) {
    return !record.updateRegion.IsEmpty() || record.frameDirty;
}

void InvalidateClientRegion(HWND hwnd, gdi::Region region, bool erase, ChildScope scope) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || record->redrawOff) {
        return;
    }
    region.Intersect(ClientBounds(*record));
    if (region.IsEmpty()) {
        return;
    }
    record->updateRegion.Union(region);
    WindowManager().paintMaybePending = true;
    record->eraseBackground = record->eraseBackground || erase;
    if (scope == ChildScope::None ||
        (scope == ChildScope::UnlessClipChildren && (record->style & WS_CLIPCHILDREN))) {
        return;
    }
    const POINT origin{record->clientRect.left, record->clientRect.top};
    for (HWND childHwnd : record->children) {
        const WindowRecord* child = LookupWindow(childHwnd);
        if (!child || !(child->style & WS_VISIBLE)) {
            continue;
        }
        // Into the child's window coordinates relative to this client area, then its client's.
        gdi::Region part = region;
        part.Intersect(Offset(child->windowRect, -origin.x, -origin.y));
        if (part.IsEmpty()) {
            continue;
        }
        if (child->windowRect != child->clientRect) {
            gdi::Region frame = part;
            frame.Subtract(Offset(child->clientRect, -origin.x, -origin.y));
            if (!frame.IsEmpty()) {
                LookupWindow(childHwnd)->frameDirty = true;
            }
        }
        part.Offset(origin.x - child->clientRect.left, origin.y - child->clientRect.top);
        InvalidateClientRegion(childHwnd, std::move(part), erase, scope);
    }
}

void ValidateClientRegion(HWND hwnd, const gdi::Region& region, ChildScope scope) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    record->updateRegion.Subtract(region);
    if (record->updateRegion.IsEmpty()) {
        record->eraseBackground = false;
    }
    if (scope == ChildScope::None ||
        (scope == ChildScope::UnlessClipChildren && (record->style & WS_CLIPCHILDREN))) {
        return;
    }
    const POINT origin{record->clientRect.left, record->clientRect.top};
    for (HWND childHwnd : record->children) {
        const WindowRecord* child = LookupWindow(childHwnd);
        if (!child) {
            continue;
        }
        gdi::Region part = region;
        part.Offset(origin.x - child->clientRect.left, origin.y - child->clientRect.top);
        ValidateClientRegion(childHwnd, part, scope);
    }
}

void OffsetUpdateRegion(HWND hwnd, int dx, int dy) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    record->updateRegion.Offset(dx, dy);
    record->updateRegion.Intersect(ClientBounds(*record));
}

void InvalidateWholeWindow(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || record->redrawOff) {
        return;
    }
    for (HWND h : SubtreePreOrder(hwnd)) {
        if (WindowRecord* r = LookupWindow(h); r && r->windowRect != r->clientRect) {
            r->frameDirty = true;
            WindowManager().paintMaybePending = true;
        }
    }
    InvalidateClientRegion(hwnd, gdi::Region(ClientBounds(*record)), true, ChildScope::All);
}

void ExposeParentArea(const WindowRecord& record, const RECT& screenRect) {
    const WindowRecord* parent = LookupWindow(record.parent);
    if (!parent) {
        return;
    }
    InvalidateClientRegion(
        parent->hwnd,
        gdi::Region(Offset(screenRect, -parent->clientRect.left, -parent->clientRect.top)), true,
        ChildScope::All);
}

} // namespace win::detail

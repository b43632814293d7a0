#include "platform/win/paint/Paint.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/RegionObject.h"
#include "platform/win/input/Caret.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/WindowState.h"

namespace win {

namespace {

using detail::ChildScope;
using detail::LookupWindow;
using detail::WindowRecord;

RECT ClientBounds(const WindowRecord& record) {
    return {0, 0, record.clientRect.right - record.clientRect.left,
            record.clientRect.bottom - record.clientRect.top};
}

gdi::Region AreaOf(const WindowRecord& record, const RECT* rect) {
    return gdi::Region(rect ? *rect : ClientBounds(record));
}

// Parents before children, each shown window that owes a paint.
void PaintPending(HWND hwnd, bool withChildren) {
    const std::vector<HWND> order =
        withChildren ? detail::SubtreePreOrder(hwnd) : std::vector<HWND>{hwnd};
    for (HWND h : order) {
        const WindowRecord* r = LookupWindow(h);
        if (r && detail::IsShownOnScreen(*r) && detail::NeedsPaint(*r)) {
            detail::DeliverMessage(h, WM_PAINT, 0, 0);
        }
    }
}

// WM_NCPAINT and WM_ERASEBKGND now; WM_PAINT later.
void EraseNow(HWND hwnd, bool withChildren) {
    const std::vector<HWND> order =
        withChildren ? detail::SubtreePreOrder(hwnd) : std::vector<HWND>{hwnd};
    for (HWND h : order) {
        WindowRecord* r = LookupWindow(h);
        if (!r || !detail::IsShownOnScreen(*r)) {
            continue;
        }
        if (r->frameDirty) {
            r->frameDirty = false;
            detail::DeliverMessage(h, WM_NCPAINT, 1, 0);
        }
        if ((r = LookupWindow(h)) && r->eraseBackground && !r->updateRegion.IsEmpty()) {
            r->eraseBackground = false;
            const gdi::Region area = r->updateRegion;
            const WindowDc windowDc(h);
            const HDC hdc = windowDc.Get();
            if (gdi::DeviceContext* dc = gdi::DcTable::Find(hdc)) {
                gdi::Region clip = area;
                clip.Offset(dc->Origin().x, dc->Origin().y);
                clip.Intersect(dc->Clip());
                dc->SetClip(std::move(clip));
            }
            detail::DeliverMessage(h, WM_ERASEBKGND, static_cast<WPARAM>(HandleToParam(hdc)), 0);
        }
    }
}

} // namespace

namespace detail {

HWND NextWindowToPaint() {
    // Depth first without building lists: this runs for every message the loop retrieves.
    WindowManagerState& wm = WindowManager();
    if (!wm.paintMaybePending) {
        return {};
    }
    std::vector<const WindowRecord*> stack;
    for (HWND top : wm.topLevels) {
        const WindowRecord* root = LookupWindow(top);
        if (!root || !IsShownOnScreen(*root)) {
            continue;
        }
        stack.assign(1, root);
        while (!stack.empty()) {
            const WindowRecord* r = stack.back();
            stack.pop_back();
            if (NeedsPaint(*r)) {
                return r->hwnd;
            }
            for (auto it = r->children.rbegin(); it != r->children.rend(); ++it) {
                const WindowRecord* child = LookupWindow(*it);
                if (child && (child->style & WS_VISIBLE)) {
                    stack.push_back(child);
                }
            }
        }
    }
    // Nothing shown owes a paint. Hidden windows keep their regions; whatever shows them raises
    // the flag again.
    wm.paintMaybePending = false;
    return {};
}

} // namespace detail

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL bErase) {
    if (!hwnd) {
        for (HWND top : detail::TopLevelWindowsInZOrder()) {
            InvalidateRect(top, nullptr, bErase);
        }
        return TRUE;
    }
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    detail::InvalidateClientRegion(hwnd, AreaOf(*record, rect), bErase != FALSE,
                                   ChildScope::UnlessClipChildren);
    return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, HRGN hrgn, BOOL bErase) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    const gdi::Region* region = gdi::LookupRegion(hrgn);
    detail::InvalidateClientRegion(hwnd, region ? *region : AreaOf(*record, nullptr),
                                   bErase != FALSE, ChildScope::UnlessClipChildren);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    if (!rect) {
        record->updateRegion.Clear();
        record->eraseBackground = false;
        // The frame is painted rather than forgotten, or it would stay stale.
        if (record->frameDirty) {
            record->frameDirty = false;
            detail::DeliverMessage(hwnd, WM_NCPAINT, 1, 0);
        }
        return TRUE;
    }
    detail::ValidateClientRegion(hwnd, gdi::Region(*rect), ChildScope::None);
    return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN hrgn) {
    const gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) {
        return ValidateRect(hwnd, nullptr);
    }
    if (!LookupWindow(hwnd)) {
        return FALSE;
    }
    detail::ValidateClientRegion(hwnd, *region, ChildScope::None);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL bErase) {
    if (bErase) {
        EraseNow(hwnd, false);
    }
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    if (rect) {
        *rect = record->updateRegion.Bounds();
    }
    return record->updateRegion.IsEmpty() ? FALSE : TRUE;
}

// The steps of BeginPaint:
//
//   frame owed a paint    WM_NCPAINT (the frame is then clean)
//   take the update       the region and erase flag are read and cleared
//   erase flag was set    WM_ERASEBKGND(hdc); fErase = its result was 0
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    const std::shared_ptr<WindowRecord> keep = detail::KeepWindow(hwnd);
    if (!keep || !ps) {
        return {};
    }
    HideCaret(hwnd);
    if (keep->frameDirty) {
        keep->frameDirty = false;
        detail::DeliverMessage(hwnd, WM_NCPAINT, 1, 0);
    }
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return {};
    }
    gdi::Region area = std::move(record->updateRegion);
    record->updateRegion.Clear();
    area.Intersect(ClientBounds(*record));
    const bool erase = record->eraseBackground;
    record->eraseBackground = false;

    const HDC hdc = GetDC(hwnd);
    if (gdi::DeviceContext* dc = gdi::DcTable::Find(hdc)) {
        gdi::Region clip = area;
        clip.Offset(dc->Origin().x, dc->Origin().y);
        clip.Intersect(dc->Clip());
        dc->SetClip(std::move(clip));
    }
    ps->hdc = hdc;
    ps->rcPaint = area.Bounds();
    ps->fRestore = FALSE;
    ps->fIncUpdate = FALSE;
    ps->fErase = FALSE;
    if (erase) {
        const LRESULT erased =
            detail::DeliverMessage(hwnd, WM_ERASEBKGND, static_cast<WPARAM>(HandleToParam(hdc)), 0);
        ps->fErase = erased ? FALSE : TRUE;
    }
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) {
        return FALSE;
    }
    ReleaseDC(hwnd, ps->hdc);
    ShowCaret(hwnd);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!LookupWindow(hwnd)) {
        return FALSE;
    }
    PaintPending(hwnd, true);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN hrgn, UINT flags) {
    if (!hwnd) {
        for (HWND top : detail::TopLevelWindowsInZOrder()) {
            RedrawWindow(top, nullptr, {}, flags);
        }
        return TRUE;
    }
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    const ChildScope scope = (flags & RDW_ALLCHILDREN)  ? ChildScope::All
                             : (flags & RDW_NOCHILDREN) ? ChildScope::None
                                                        : ChildScope::UnlessClipChildren;
    const gdi::Region* given = gdi::LookupRegion(hrgn);
    const gdi::Region area = given ? *given : AreaOf(*record, rect);
    if (flags & RDW_INVALIDATE) {
        if ((flags & RDW_FRAME) && record->windowRect != record->clientRect) {
            record->frameDirty = true;
            detail::WindowManager().paintMaybePending = true;
        }
        detail::InvalidateClientRegion(hwnd, area, (flags & RDW_ERASE) != 0, scope);
    } else if (flags & RDW_VALIDATE) {
        detail::ValidateClientRegion(hwnd, area, scope);
        if (WindowRecord* r = LookupWindow(hwnd)) {
            if (flags & RDW_NOFRAME) {
                r->frameDirty = false;
            }
            if (flags & RDW_NOERASE) {
                r->eraseBackground = false;
            }
        }
    }
    const bool withChildren = scope != ChildScope::None;
    if (flags & RDW_UPDATENOW) {
        PaintPending(hwnd, withChildren);
    } else if (flags & RDW_ERASENOW) {
        EraseNow(hwnd, withChildren);
    }
    return TRUE;
}

} // namespace win

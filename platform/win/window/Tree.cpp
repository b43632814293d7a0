#include "platform/win/window/Tree.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/TopLevelSurface.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

#include <algorithm>

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

RECT Offset(const RECT& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Searches list (z-order) for the deepest window under the screen point.
HWND FindUnder(const detail::SiblingOrder& list, POINT p, bool topLevel) {
    const std::vector<HWND> snapshot = list;
    for (HWND hwnd : snapshot) {
        const WindowRecord* r = LookupWindow(hwnd);
        if (!r || !(r->style & WS_VISIBLE) || (r->style & WS_MINIMIZE) ||
            !Contains(r->windowRect, p)) {
            continue;
        }
        // A disabled child lets the point through to what lies below; a disabled top-level
        // window still receives it (and ignores the input).
        if (!topLevel && (r->style & WS_DISABLED)) {
            continue;
        }
        if (Contains(r->clientRect, p) && !(r->style & WS_DISABLED)) {
            if (const HWND inner = FindUnder(r->children, p, false)) {
                return inner;
            }
        }
        const LRESULT hit = detail::DeliverMessage(
            hwnd, WM_NCHITTEST, 0,
            MAKELPARAM(static_cast<uint32_t>(p.x) & 0xFFFF, static_cast<uint32_t>(p.y) & 0xFFFF));
        if (hit == HTTRANSPARENT || !LookupWindow(hwnd)) {
            continue;
        }
        return hwnd;
    }
    return {};
}

bool IsShownOnScreenOrIconic(HWND hwnd) {
    for (const WindowRecord* r = LookupWindow(hwnd); r; r = LookupWindow(r->parent)) {
        if (!(r->style & WS_VISIBLE)) {
            return false;
        }
    }
    return true;
}

} // namespace

HWND GetParent(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return {};
    }
    if (record->parent) {
        return record->parent;
    }
    return LookupWindow(record->owner) ? record->owner : HWND{};
}

HWND SetParent(HWND child, HWND newParent) {
    detail::WindowManagerState& wm = detail::WindowManager();
    WindowRecord* record = LookupWindow(child);
    if (!record || child == wm.desktop) {
        return {};
    }
    if (newParent == wm.desktop) {
        newParent = {};
    }
    if (newParent && (!LookupWindow(newParent) || newParent == child ||
                      detail::IsDescendant(newParent, child))) {
        return {};
    }
    // Windows on their way out neither move nor adopt: either would leave a child behind a freed
    // parent, or a window whose destruction never ends.
    if (record->beingDestroyed || (newParent && LookupWindow(newParent)->beingDestroyed)) {
        return {};
    }
    const HWND oldParent = record->parent;
    const POINT oldOrigin = detail::ChildOrigin(*record);
    const RECT relative = Offset(record->windowRect, -oldOrigin.x, -oldOrigin.y);
    const bool visible = (record->style & WS_VISIBLE) != 0;
    if (visible) {
        detail::ExposeParentArea(*record, record->windowRect);
    }

    detail::UnlinkWindow(*record);
    const bool wasTopLevel = !oldParent;
    record->parent = newParent;
    if (newParent) {
        record->owner = {};
        LookupWindow(newParent)->children.PushFront(child);
    } else {
        wm.topLevels.PushFront(child);
    }

    // Same numbers, new reference point.
    const POINT newOrigin = detail::ChildOrigin(*record);
    const int dx = relative.left + newOrigin.x - record->windowRect.left;
    const int dy = relative.top + newOrigin.y - record->windowRect.top;
    for (HWND h : detail::SubtreePreOrder(child)) {
        WindowRecord* r = LookupWindow(h);
        r->windowRect = Offset(r->windowRect, dx, dy);
        r->clientRect = Offset(r->clientRect, dx, dy);
    }
    if (wasTopLevel && newParent) {
        detail::DestroyTopLevelSurface(*record);
        if (wm.active == child) {
            detail::ActivateNextWindow(child);
        }
    } else if (!wasTopLevel && !newParent) {
        detail::CreateTopLevelSurface(*record);
        detail::SyncTopLevelShown(*record);
    }
    if (!newParent || wasTopLevel) {
        detail::NormalizeTopLevelOrder(true);
    }
    if (visible) {
        detail::InvalidateWholeWindow(child);
    }
    // A region that waited under a hidden parent may now be on screen.
    wm.paintMaybePending = true;
    // Moved under a hidden parent: it can no longer hold the focus or the capture.
    if (visible && !IsShownOnScreenOrIconic(child)) {
        detail::OnWindowHidden(child);
        detail::ReleaseFocusWithin(child);
    }
    return oldParent ? oldParent : GetDesktopWindow();
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return {};
    }
    if (relation == GW_OWNER) {
        return LookupWindow(record->owner) ? record->owner : HWND{};
    }
    if (relation == GW_CHILD) {
        return record->children.empty() ? HWND{} : record->children.front();
    }
    if (hwnd == detail::WindowManager().desktop) {
        return {};
    }
    const detail::SiblingOrder& siblings = detail::SiblingList(*record);
    const auto it = siblings.Find(hwnd);
    if (it == siblings.end()) {
        return {};
    }
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? HWND{} : *(it + 1);
    case GW_HWNDPREV:
        return it == siblings.begin() ? HWND{} : *(it - 1);
    default:
        return {};
    }
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    const WindowRecord* record = LookupWindow(hwnd);
    const detail::WindowManagerState& wm = detail::WindowManager();
    if (!record || hwnd == wm.desktop) {
        return {};
    }
    switch (flags) {
    case GA_PARENT:
        return record->parent ? record->parent : GetDesktopWindow();
    case GA_ROOT:
        return detail::RootWindow(hwnd);
    case GA_ROOTOWNER: {
        HWND current = detail::RootWindow(hwnd);
        for (int guard = 0; guard < 64; ++guard) {
            const HWND owner = GetParent(current);
            if (!owner) {
                break;
            }
            current = detail::RootWindow(owner);
        }
        return current;
    }
    default:
        return {};
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    return LookupWindow(parent) && detail::IsDescendant(hwnd, parent) ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
    return detail::DesktopRecord().hwnd;
}

HWND WindowFromPoint(POINT point) {
    if (const HWND hwnd = FindUnder(detail::WindowManager().topLevels, point, true)) {
        return hwnd;
    }
    return GetDesktopWindow();
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    const WindowRecord* record = LookupWindow(parent);
    if (!record) {
        return {};
    }
    const POINT screen{point.x + record->clientRect.left, point.y + record->clientRect.top};
    if (!Contains(record->clientRect, screen)) {
        return {};
    }
    const std::vector<HWND> children = record->children;
    for (HWND hwnd : children) {
        const WindowRecord* c = LookupWindow(hwnd);
        if (!c || !Contains(c->windowRect, screen)) {
            continue;
        }
        if (((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) ||
            ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) ||
            ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))) {
            continue;
        }
        return hwnd;
    }
    return parent;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (!proc || !LookupWindow(parent)) {
        return FALSE;
    }
    const std::vector<HWND> all = detail::SubtreePreOrder(parent);
    for (size_t i = 1; i < all.size(); ++i) {
        // Windows destroyed by an earlier callback are skipped.
        if (LookupWindow(all[i]) && !proc(all[i], lParam)) {
            break;
        }
    }
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) {
        return FALSE;
    }
    for (HWND hwnd : detail::TopLevelWindowsInZOrder()) {
        if (LookupWindow(hwnd) && !proc(hwnd, lParam)) {
            break;
        }
    }
    return TRUE;
}

HWND GetDlgItem(HWND parent, int id) {
    const WindowRecord* record = LookupWindow(parent);
    if (!record) {
        return {};
    }
    for (HWND hwnd : record->children) {
        const WindowRecord* c = LookupWindow(hwnd);
        if (c && c->id == id) {
            return hwnd;
        }
    }
    return {};
}

int GetDlgCtrlID(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record && record->parent ? static_cast<int>(record->id) : 0;
}

} // namespace win

#include "platform/win/window/Lifetime.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuTable.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/ClassTable.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/TopLevelSurface.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

#include "platform/base/TextCase.h"

#include <algorithm>

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

LPARAM PackPoint(int x, int y) {
    return MAKELPARAM(static_cast<uint32_t>(x) & 0xFFFF, static_cast<uint32_t>(y) & 0xFFFF);
}

// The first live top-level window `owned` picks, or null. Only top-level windows have owners, so
// a child's destruction does not walk every window there is.
template <typename Owned>
HWND FindOwnedWindow(Owned owned) {
    for (HWND hwnd : detail::WindowManager().topLevels) {
        const WindowRecord* record = LookupWindow(hwnd);
        if (record && !record->destroyed && !record->beingDestroyed && record->owner &&
            owned(*record)) {
            return hwnd;
        }
    }
    return {};
}

// Destroys every window owned by hwnd or one of its descendants, until none is left (an owned
// window's own destruction may create or free others).
void DestroyOwnedWindows(HWND hwnd) {
    while (const HWND victim = FindOwnedWindow([&](const WindowRecord& record) {
               return record.owner == hwnd || detail::IsDescendant(record.owner, hwnd);
           })) {
        DestroyWindow(victim);
    }
}

void HideForDestruction(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    if (record->style & WS_VISIBLE) {
        // Under a hidden parent nothing shows through: the parent is repainted whole once shown,
        // so a form unloading its controls behind its hidden window does not walk every sibling
        // for each one.
        const bool onScreen = detail::IsShownOnScreen(*record);
        record->style &= ~WS_VISIBLE;
        if (onScreen) {
            detail::ExposeParentArea(*record, record->windowRect);
        }
        detail::SyncTopLevelShown(*record);
    }
    detail::ReleaseFocusWithin(hwnd);
    if (detail::WindowManager().active == hwnd) {
        detail::ActivateNextWindow(hwnd);
    }
}

// WM_DESTROY to hwnd, then down the tree. Children are read after the parent's handler returns,
// so a child created there is reached too.
void SendDestroy(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || record->destroySent) {
        return;
    }
    record->destroySent = true;
    detail::DeliverMessage(hwnd, WM_DESTROY, 0, 0);
    record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    const std::vector<HWND> children = record->children;
    for (HWND child : children) {
        if (WindowRecord* c = LookupWindow(child); c && !c->destroyed) {
            c->beingDestroyed = true;
            SendDestroy(child);
        }
    }
}

void FreeWindow(HWND hwnd) {
    const std::shared_ptr<WindowRecord> record = detail::KeepWindow(hwnd);
    if (!record) {
        return;
    }
    detail::WindowManagerState& wm = detail::WindowManager();
    record->destroyed = true;
    detail::UnlinkWindow(*record);
    detail::DestroyTopLevelSurface(*record);
    detail::DestroyMenuBarOf(hwnd);
    if (wm.focus == hwnd) {
        wm.focus = {};
    }
    if (wm.active == hwnd) {
        wm.active = {};
    }
    // The record itself lives on while a dispatch to it is still running.
    wm.windows.erase(hwnd.Value());
}

void FreeSubtreeSilently(HWND hwnd) {
    if (const WindowRecord* record = LookupWindow(hwnd)) {
        const std::vector<HWND> children = record->children;
        for (HWND child : children) {
            FreeSubtreeSilently(child);
        }
    }
    FreeWindow(hwnd);
}

// Windows owned by one that died before they could be destroyed with it (created while it was
// being destroyed) follow it now.
void DestroyOrphanedOwnedWindows() {
    while (const HWND victim = FindOwnedWindow(
               [](const WindowRecord& record) { return !LookupWindow(record.owner); })) {
        DestroyWindow(victim);
    }
}

// WM_NCDESTROY children first; each handle dies as its WM_NCDESTROY returns.
void SendNcDestroy(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    const std::vector<HWND> children = record->children;
    for (HWND child : children) {
        SendNcDestroy(child);
    }
    detail::ForgetWindow(hwnd);
    detail::DeliverMessage(hwnd, WM_NCDESTROY, 0, 0);
    // Children created or moved in while the window was dying must not outlive it. Handlers that
    // keep adding children get a few rounds; whatever is left then is freed without messages.
    for (int round = 0; round < 8; ++round) {
        const WindowRecord* after = LookupWindow(hwnd);
        if (!after || after->children.empty()) {
            break;
        }
        const std::vector<HWND> late = after->children;
        for (HWND child : late) {
            const WindowRecord* c = LookupWindow(child);
            if (c && c->beingDestroyed) {
                SendDestroy(child);
                SendNcDestroy(child);
            } else {
                DestroyWindow(child);
            }
        }
    }
    if (const WindowRecord* after = LookupWindow(hwnd)) {
        const std::vector<HWND> stubborn = after->children;
        for (HWND child : stubborn) {
            for (HWND h : detail::SubtreePreOrder(child)) {
                detail::ForgetWindow(h);
            }
            FreeSubtreeSilently(child);
        }
    }
    FreeWindow(hwnd);
}

} // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    if (!className) {
        return {};
    }
    const auto windowClass = detail::ClassTable::Find(className);
    if (!windowClass) {
        return {};
    }
    detail::WindowManagerState& wm = detail::WindowManager();
    if (parent == wm.desktop) {
        parent = {};
    }
    if (parent && !LookupWindow(parent)) {
        return {};
    }
    const bool child = (style & WS_CHILD) != 0;
    if (child && !parent) {
        return {};
    }

    auto record = std::make_shared<WindowRecord>();
    const HWND hwnd = HWND::New();
    record->hwnd = hwnd;
    record->windowClass = windowClass;
    record->proc = windowClass->proc;
    record->style = style & ~WS_VISIBLE;
    record->exStyle = exStyle;
    record->instance = instance;
    if (child) {
        record->parent = parent;
        record->id = static_cast<LONG_PTR>(menu.Value());
    } else {
        record->owner = parent;
        // A top-level window's menu argument is its bar.
        if (menu && MenuTable::Instance().Find(menu) != nullptr) {
            MenuTable::Instance().SetBar(hwnd, menu);
        }
        // Tooltips always sit in the topmost band.
        if (base::EqualsNoCase(windowClass->name, "tooltips_class32")) {
            record->exStyle |= WS_EX_TOPMOST;
        }
    }
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (width == CW_USEDEFAULT) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    x = PinCoordinate(x);
    y = PinCoordinate(y);
    width = std::max(PinCoordinate(width), 0);
    height = std::max(PinCoordinate(height), 0);
    const POINT origin = detail::ChildOrigin(*record);
    record->windowRect = {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
    record->clientRect = record->windowRect;
    record->restoreRect = {x, y, x + width, y + height};

    wm.windows.emplace(hwnd.Value(), record);
    detail::LinkNewWindow(*record);
    if (!child) {
        detail::CreateTopLevelSurface(*record);
    }

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    if (!detail::DeliverMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(hwnd);
        return {};
    }
    if (WindowRecord* r = LookupWindow(hwnd)) {
        const POINT o = detail::ChildOrigin(*r);
        RECT proposed{r->windowRect.left - o.x, r->windowRect.top - o.y, r->windowRect.right - o.x,
                      r->windowRect.bottom - o.y};
        detail::DeliverMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
        if ((r = LookupWindow(hwnd))) {
            r->clientRect = {proposed.left + o.x, proposed.top + o.y, proposed.right + o.x,
                             proposed.bottom + o.y};
        }
    }
    if (!LookupWindow(hwnd)) {
        return {};
    }
    if (detail::DeliverMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return {};
    }
    if (const WindowRecord* r = LookupWindow(hwnd)) {
        const POINT o = detail::ChildOrigin(*r);
        const RECT c = r->clientRect;
        detail::DeliverMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                               PackPoint(c.right - c.left, c.bottom - c.top));
        detail::DeliverMessage(hwnd, WM_MOVE, 0, PackPoint(c.left - o.x, c.top - o.y));
    }
    // Read from the creation parameters, so a class that must start hidden (a tooltip) can
    // clear WS_VISIBLE while it handles WM_NCCREATE or WM_CREATE.
    if ((static_cast<DWORD>(cs.style) & WS_VISIBLE) && LookupWindow(hwnd)) {
        ShowWindow(hwnd, SW_SHOW);
    }
    return LookupWindow(hwnd) ? hwnd : HWND{};
}

BOOL DestroyWindow(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || record->beingDestroyed || hwnd == detail::WindowManager().desktop) {
        return FALSE;
    }
    const std::shared_ptr<WindowRecord> keep = detail::KeepWindow(hwnd);
    for (HWND h : detail::SubtreePreOrder(hwnd)) {
        LookupWindow(h)->beingDestroyed = true;
    }
    DestroyOwnedWindows(hwnd);
    HideForDestruction(hwnd);
    SendDestroy(hwnd);
    SendNcDestroy(hwnd);
    DestroyOrphanedOwnedWindows();
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return LookupWindow(hwnd) ? TRUE : FALSE;
}

} // namespace win

#include "platform/win/controls/mdi/Mdi.h"

#include "platform/win/Win.h"
#include "platform/win/controls/mdi/MdiArrange.h"

#include <unordered_map>

namespace win {

namespace {

using mdi::IsMdiChild;

// The active child of each client; a client's entry goes with its window.
std::unordered_map<uint32_t, HWND>& ActiveChildren() {
    static std::unordered_map<uint32_t, HWND> active;
    return active;
}

HWND ActiveChild(HWND client) {
    const auto found = ActiveChildren().find(client.Value());
    if (found == ActiveChildren().end() || !IsChild(client, found->second))
        return {};
    return found->second;
}

void Activate(HWND client, HWND child) {
    if (!child || !IsChild(client, child))
        return;
    const HWND previous = ActiveChild(client);
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (previous == child)
        return;
    ActiveChildren()[client.Value()] = child;
    const auto losing = static_cast<WPARAM>(HandleToParam(previous));
    const LPARAM gaining = HandleToParam(child);
    if (previous) {
        SendMessageA(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(previous, WM_MDIACTIVATE, losing, gaining);
    }
    SendMessageA(child, WM_NCACTIVATE, TRUE, 0);
    SendMessageA(child, WM_MDIACTIVATE, losing, gaining);
    if (IsWindow(child) && GetActiveWindow() == GetAncestor(client, GA_ROOT))
        SetFocus(child);
}

// The visible child after `from` in z-order, wrapping; null when there is no other.
HWND NextChild(HWND client, HWND from) {
    HWND last{};
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != from && IsMdiChild(child) && IsWindowVisible(child))
            last = child;
    }
    return last;
}

HWND Create(HWND client, const MDICREATESTRUCTA& create) {
    RECT area;
    GetClientRect(client, &area);
    int count = 0;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += IsMdiChild(child) ? 1 : 0;
    const RECT slot = mdi::CascadeSlot(area, count);
    const int x = create.x == CW_USEDEFAULT ? slot.left : create.x;
    const int y = create.y == CW_USEDEFAULT ? slot.top : create.y;
    const int cx = create.cx == CW_USEDEFAULT ? slot.right - slot.left : create.cx;
    const int cy = create.cy == CW_USEDEFAULT ? slot.bottom - slot.top : create.cy;
    const DWORD style = (create.style & ~(WS_POPUP | WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS |
                        WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const HWND child =
        CreateWindowExA(WS_EX_MDICHILD, create.szClass, create.szTitle, style, x, y, cx, cy, client,
                        {}, create.hOwner, const_cast<MDICREATESTRUCTA*>(&create));
    if (child && (create.style & WS_VISIBLE) != 0) {
        ShowWindow(child, SW_SHOWNA);
        Activate(client, child);
    }
    return child;
}

void Destroy(HWND client, HWND child) {
    if (!child || !IsChild(client, child))
        return;
    const bool wasActive = ActiveChild(client) == child;
    const HWND next = NextChild(client, child);
    DestroyWindow(child);
    if (!wasActive)
        return;
    ActiveChildren().erase(client.Value());
    if (next)
        Activate(client, next);
}

} // namespace

namespace controls {

LRESULT MdiClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND target = HandleFromParam<HWND>(static_cast<intptr_t>(wParam));
    switch (msg) {
    case WM_MDICREATE:
        if (lParam == 0)
            return 0;
        return static_cast<LRESULT>(
            HandleToParam(Create(hwnd, *reinterpret_cast<const MDICREATESTRUCTA*>(lParam))));
    case WM_MDIDESTROY:
        Destroy(hwnd, target);
        return 0;
    case WM_MDIACTIVATE:
        Activate(hwnd, target);
        return 0;
    case WM_MDINEXT: {
        const HWND active = ActiveChild(hwnd);
        if (const HWND next = NextChild(hwnd, active))
            Activate(hwnd, next);
        return 0;
    }
    case WM_MDIGETACTIVE: {
        const HWND active = ActiveChild(hwnd);
        if (lParam != 0)
            *reinterpret_cast<BOOL*>(lParam) = active && IsZoomed(active) ? TRUE : FALSE;
        return static_cast<LRESULT>(HandleToParam(active));
    }
    case WM_MDIRESTORE:
        if (IsChild(hwnd, target))
            ShowWindow(target, SW_RESTORE);
        return 0;
    case WM_MDIMAXIMIZE:
        if (IsChild(hwnd, target))
            ShowWindow(target, SW_MAXIMIZE);
        return 0;
    case WM_MDITILE:
        return mdi::TileChildren(hwnd, static_cast<UINT>(wParam)) ? TRUE : FALSE;
    case WM_MDICASCADE:
        return mdi::CascadeChildren(hwnd) ? TRUE : FALSE;
    case WM_NCDESTROY:
        ActiveChildren().erase(hwnd.Value());
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        // Maximised children keep filling the client.
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsMdiChild(child) && IsZoomed(child))
                SetWindowPos(child, {}, 0, 0, LOWORD(static_cast<DWORD>(lParam)),
                             HIWORD(static_cast<DWORD>(lParam)), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace controls

LRESULT DefFrameProcA(HWND hwnd, HWND hwndMDIClient, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwndMDIClient) {
        switch (msg) {
        case WM_SIZE:
            MoveWindow(hwndMDIClient, 0, 0, LOWORD(static_cast<DWORD>(lParam)),
                       HIWORD(static_cast<DWORD>(lParam)), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (const HWND active = ActiveChild(hwndMDIClient)) {
                SetFocus(active);
                return 0;
            }
            break;
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT DefMDIChildProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND client = GetParent(hwnd);
    switch (msg) {
    case WM_MOUSEACTIVATE:
        SendMessageA(client, WM_MDIACTIVATE, static_cast<WPARAM>(HandleToParam(hwnd)), 0);
        break;
    case WM_CLOSE:
        SendMessageA(client, WM_MDIDESTROY, static_cast<WPARAM>(HandleToParam(hwnd)), 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

BOOL TranslateMDISysAccel(HWND hwndClient, MSG* msg) {
    if (msg == nullptr || !hwndClient ||
        (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) ||
        GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
        return FALSE;
    const HWND active = ActiveChild(hwndClient);
    if (!active)
        return FALSE;
    if (msg->wParam == static_cast<WPARAM>(VK_F4)) {
        SendMessageA(active, WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    }
    if (msg->wParam == static_cast<WPARAM>(VK_F6)) {
        SendMessageA(hwndClient, WM_MDINEXT, static_cast<WPARAM>(HandleToParam(active)), 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace win

#include "platform/forms/dialogs/ModalDialog.h"

#include "platform/win/WinConstants.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Window.h"

#include <algorithm>

namespace forms {

using namespace win;

HWND DialogOwnerOf(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd) || hwnd == GetDesktopWindow()) {
        return {};
    }
    return GetAncestor(hwnd, GA_ROOT);
}

DWORD DialogExStyleFor(HWND owner) {
    if (owner && (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        return WS_EX_TOPMOST;
    }
    return 0;
}

bool EnsureDialogClass(const char* className, WNDPROC proc) {
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA({}, className, &wc)) {
        return true;
    }
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hCursor = LoadCursorA({}, IDC_ARROW);
    wc.hbrBackground = HBRUSH::FromValue(COLOR_3DFACE + 1);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateDialogWindow(const char* className, const char* caption, DWORD exStyle, HWND owner,
                        SIZE client, void* param) {
    const HWND dialog = CreateWindowExA(
        WS_EX_DLGMODALFRAME | exStyle | DialogExStyleFor(owner), className, caption,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS, 0, 0, 100, 100, owner, {}, {}, param);
    if (!dialog) {
        return {};
    }
    // Grow the frame around the client area asked for.
    RECT window;
    RECT inside;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &inside);
    SetWindowPos(dialog, {}, 0, 0, client.cx + (window.right - window.left) - inside.right,
                 client.cy + (window.bottom - window.top) - inside.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreDialog(dialog, owner);
    return dialog;
}

void CentreDialog(HWND dialog, HWND owner) {
    RECT box;
    GetWindowRect(dialog, &box);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    }
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(dialog, {}, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Whether a shown window of the topmost band that the dialog's owner owns (a palette) overlaps
// the dialog.
bool OwnersTopmostWindowOverlaps(HWND dialog) {
    struct Search {
        HWND dialog;
        HWND owner;
        RECT box;
        bool found;
    } search{dialog, GetWindow(dialog, GW_OWNER), {}, false};
    if (!search.owner) {
        return false;
    }
    GetWindowRect(dialog, &search.box);
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            RECT other;
            RECT common;
            s.found = hwnd != s.dialog && GetWindow(hwnd, GW_OWNER) == s.owner &&
                      IsWindowVisible(hwnd) &&
                      (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
                      GetWindowRect(hwnd, &other) && IntersectRect(&common, &s.box, &other);
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

// A dialog in the ordinary band would come up under the topmost windows its owner keeps above
// itself (a palette), with its buttons out of the mouse's reach: while it is modal it joins the
// topmost band above them, and it leaves the band again when the loop ends.
ModalLoopEnd RunDialog(HWND dialog, const std::function<void()>& ask,
                       const std::function<bool()>& done) {
    const bool raised = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0 &&
                        OwnersTopmostWindowOverlaps(dialog);
    if (raised) {
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    bool asked = false;
    const ModalLoopEnd end = RunModalLoop(dialog, [&] {
        if (!asked) {
            asked = true;
            if (ask) {
                ask();
            }
        }
        return done();
    });
    if (raised && IsWindow(dialog)) {
        SetWindowPos(dialog, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return end;
}

} // namespace forms

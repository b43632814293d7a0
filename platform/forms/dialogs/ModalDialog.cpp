#include "platform/forms/dialogs/ModalDialog.h"

#include "platform/win/WinConstants.h"
#include "platform/win/system/SystemMetrics.h"
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

ModalLoopEnd RunDialog(HWND dialog, const std::function<void()>& ask,
                       const std::function<bool()>& done) {
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    bool asked = false;
    return RunModalLoop(dialog, [&] {
        if (!asked) {
            asked = true;
            if (ask) {
                ask();
            }
        }
        return done();
    });
}

} // namespace forms

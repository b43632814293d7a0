#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/raster/Screen.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/test/Probes.h"
#include "platform/win/window/ClassTable.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/MessageObserver.h"
#include "platform/win/window/WindowState.h"

namespace win::detail {

void ResetWindows() {
    WindowManagerState& wm = WindowManager();
    // Top-level windows take their children and owned windows with them; anything a handler
    // created meanwhile is caught by the next round.
    for (int round = 0; round < 16 && LiveWindowCount() > 0; ++round) {
        for (HWND hwnd : TopLevelWindowsInZOrder()) {
            DestroyWindow(hwnd);
        }
    }
    // Records that still exist (a handler refused to die in time) are dropped outright.
    std::erase_if(wm.windows, [&](const auto& entry) { return entry.first != wm.desktop.Value(); });
    wm.topLevels.Clear();
    wm.focus = {};
    wm.active = {};
    wm.dispatchDepth = 0;
    ClassTable::Reset();
    ResetMessageObservers();
    ResetSysColors();
    gdi::DcTable::Reset();
    gdi::GdiObjects::Reset();
    gdi::Screen::Reset();
    test::ClearCaughtExceptions();
}

} // namespace win::detail

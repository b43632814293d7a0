#include "platform/win/menu/MenuBar.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/menu/MenuPainter.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/NonClient.h"
#include "platform/win/window/WindowState.h"

namespace win::detail {

namespace {

const MenuData* BarData(HWND hwnd) {
    MenuTable& table = MenuTable::Instance();
    return table.Find(table.BarOf(hwnd));
}

} // namespace

int MenuBarHeight(HWND hwnd) {
    return BarData(hwnd) != nullptr ? GetSystemMetrics(SM_CYMENU) : 0;
}

void PaintMenuBar(HWND hwnd, HDC windowDc, const RECT& bar) {
    if (const MenuData* menu = BarData(hwnd)) {
        MenuPainter::PaintBar(windowDc, bar, *menu, MenuTable::Instance().BarHighlight(hwnd));
    }
}

RECT MenuBarScreenRect(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (record == nullptr) {
        return {};
    }
    RECT bar = MenuBarRectInWindow(*record);
    OffsetRect(&bar, record->windowRect.left, record->windowRect.top);
    return bar;
}

RECT MenuBarItemRect(HWND hwnd, int item) {
    const MenuData* menu = BarData(hwnd);
    if (menu == nullptr || item < 0 || item >= static_cast<int>(menu->items.size())) {
        return {};
    }
    const RECT bar = MenuBarScreenRect(hwnd);
    RECT box = MenuLayout::Bar(*menu)[static_cast<size_t>(item)];
    OffsetRect(&box, bar.left, bar.top);
    return box;
}

int MenuBarItemAt(HWND hwnd, POINT screen) {
    const MenuData* menu = BarData(hwnd);
    const RECT bar = MenuBarScreenRect(hwnd);
    if (menu == nullptr || !PtInRect(&bar, screen)) {
        return -1;
    }
    const int item = MenuLayout::ItemAt(*menu, MenuLayout::Bar(*menu),
                                        POINT{screen.x - bar.left, screen.y - bar.top});
    // Cut off by the window's edge: not there to be clicked.
    return item >= 0 && MenuBarItemRect(hwnd, item).left < bar.right ? item : -1;
}

void HighlightMenuBarItem(HWND hwnd, int item) {
    if (MenuTable::Instance().BarHighlight(hwnd) == item) {
        return;
    }
    MenuTable::Instance().SetBarHighlight(hwnd, item);
    MenuBarChanged(hwnd, true);
}

void MenuBarChanged(HWND hwnd, bool hadBar) {
    WindowRecord* record = LookupWindow(hwnd);
    if (record == nullptr || record->beingDestroyed) {
        return;
    }
    if (hadBar != (MenuBarHeight(hwnd) > 0)) {
        SetWindowPos(hwnd, {}, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    record->frameDirty = true;
    WindowManager().paintMaybePending = true;
}

void DestroyMenuBarOf(HWND hwnd) {
    MenuTable& table = MenuTable::Instance();
    table.SetBarHighlight(hwnd, -1);
    if (const HMENU bar = table.BarOf(hwnd)) {
        table.Destroy(bar);
    }
}

} // namespace win::detail

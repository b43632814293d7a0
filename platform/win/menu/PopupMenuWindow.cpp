#include "platform/win/menu/PopupMenuWindow.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/menu/MenuPainter.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <map>

namespace win::detail {

namespace {

// Open popups by window, for their window procedure; each object removes itself as it goes.
std::map<HWND, PopupMenuWindow*>& OpenPopups() {
    static std::map<HWND, PopupMenuWindow*> popups;
    return popups;
}

MenuLayout::Popup LayoutOf(HMENU menu) {
    const MenuData* data = MenuTable::Instance().Find(menu);
    return data != nullptr ? MenuLayout::ForPopup(*data) : MenuLayout::Popup{};
}

} // namespace

PopupMenuWindow::PopupMenuWindow(HMENU menu, HWND owner, POINT at, int flipRight) : m_menu(menu) {
    const SIZE size = LayoutOf(menu).size;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = at.x;
    int y = at.y;
    if (x + size.cx > screenWidth) {
        x = flipRight >= 0 ? flipRight - size.cx : screenWidth - size.cx;
    }
    if (y + size.cy > screenHeight) {
        y = screenHeight - size.cy;
    }
    m_hwnd =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, std::max(x, 0),
                        std::max(y, 0), size.cx, size.cy, owner, {}, {}, nullptr);
    if (m_hwnd) {
        OpenPopups()[m_hwnd] = this;
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    }
}

PopupMenuWindow::~PopupMenuWindow() {
    if (m_hwnd) {
        OpenPopups().erase(m_hwnd);
        DestroyWindow(m_hwnd);
    }
}

void PopupMenuWindow::Select(int item) {
    if (item == m_selected) {
        return;
    }
    m_selected = item;
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

int PopupMenuWindow::ItemAt(POINT screen) const {
    const MenuData* data = MenuTable::Instance().Find(m_menu);
    if (data == nullptr || !Holds(screen)) {
        return -1;
    }
    const RECT window = ScreenRect();
    return MenuLayout::ItemAt(*data, LayoutOf(m_menu).items,
                              POINT{screen.x - window.left, screen.y - window.top});
}

bool PopupMenuWindow::Holds(POINT screen) const {
    const RECT window = ScreenRect();
    return PtInRect(&window, screen) != FALSE;
}

RECT PopupMenuWindow::ItemScreenRect(int item) const {
    const MenuLayout::Popup layout = LayoutOf(m_menu);
    if (item < 0 || item >= static_cast<int>(layout.items.size())) {
        return {};
    }
    const RECT window = ScreenRect();
    RECT box = layout.items[static_cast<size_t>(item)];
    OffsetRect(&box, window.left, window.top);
    return box;
}

RECT PopupMenuWindow::ScreenRect() const {
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    return window;
}

void PopupMenuWindow::Paint() {
    const PaintDc paint(m_hwnd);
    const MenuData* data = MenuTable::Instance().Find(m_menu);
    if (paint.Get() && data != nullptr) {
        MenuPainter::PaintPopup(paint.Get(), *data, MenuLayout::ForPopup(*data), m_selected);
    }
}

LRESULT PopupMenuWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        if (const auto found = OpenPopups().find(hwnd); found != OpenPopups().end()) {
            found->second->Paint();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace win::detail

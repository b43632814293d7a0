#include "platform/win/menu/MenuLayout.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/menu/MenuConstants.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include <algorithm>

namespace win::detail {

namespace {

// The drawn width of a caption, '&' prefixes taken out.
int TextWidth(HDC hdc, std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    RECT box{0, 0, 0, 0};
    const std::string copy(text);
    DrawTextA(hdc, copy.c_str(), static_cast<int>(copy.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    return box.right - box.left;
}

} // namespace

HFONT MenuLayout::Font() {
    return HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

int MenuLayout::ItemHeight() {
    return GetSystemMetrics(SM_CYMENU) - 1;
}

std::string_view MenuLayout::Label(std::string_view text) {
    return text.substr(0, text.find('\t'));
}

std::string_view MenuLayout::ShortcutText(std::string_view text) {
    const size_t tab = text.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : text.substr(tab + 1);
}

std::vector<RECT> MenuLayout::Bar(const MenuData& menu) {
    const WindowDc screen(HWND{});
    const SelectedObject font(screen.Get(), Font());
    const int height = GetSystemMetrics(SM_CYMENU);
    std::vector<RECT> items;
    int x = 0;
    for (const MenuEntry& item : menu.items) {
        const int width = (item.flags & MF_SEPARATOR) != 0
                              ? 0
                              : TextWidth(screen.Get(), Label(item.text)) + 2 * kBarPadding;
        items.push_back(RECT{x, 0, x + width, height});
        x += width;
    }
    return items;
}

MenuLayout::Popup MenuLayout::ForPopup(const MenuData& menu) {
    const WindowDc screen(HWND{});
    const SelectedObject font(screen.Get(), Font());
    int labels = 0;
    int shortcuts = 0;
    for (const MenuEntry& item : menu.items) {
        labels = std::max(labels, TextWidth(screen.Get(), Label(item.text)));
        shortcuts = std::max(shortcuts, TextWidth(screen.Get(), ShortcutText(item.text)));
    }
    Popup popup;
    const int left = kPopupBorder;
    const int right = left + kCheckColumn + labels +
                      (shortcuts > 0 ? kShortcutGap + shortcuts : 0) + kArrowColumn;
    popup.shortcutRight = right - kArrowColumn;
    int y = kPopupBorder;
    for (const MenuEntry& item : menu.items) {
        const int height = (item.flags & MF_SEPARATOR) != 0 ? kSeparatorHeight : ItemHeight();
        popup.items.push_back(RECT{left, y, right, y + height});
        y += height;
    }
    popup.size = SIZE{right + kPopupBorder, y + kPopupBorder};
    return popup;
}

int MenuLayout::ItemAt(const MenuData& menu, const std::vector<RECT>& items, POINT pt) {
    for (size_t i = 0; i < items.size() && i < menu.items.size(); ++i) {
        if ((menu.items[i].flags & MF_SEPARATOR) == 0 && PtInRect(&items[i], pt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace win::detail

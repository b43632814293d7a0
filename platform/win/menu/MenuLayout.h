#pragma once

#include "platform/win/menu/MenuTable.h"

#include <string_view>
#include <vector>

namespace win::detail {

// Where the items of a bar or a popup sit, measured with the menu font (the stock GUI font).
// Painting, hit testing and tracking all read the same rectangles.
//
// A bar is one row SM_CYMENU high; its items run left to right from the bar's left edge, each its
// caption's width plus kBarPadding on both sides (items past the right edge are cut off).
// A popup is a column inside a raised border of kPopupBorder: a check mark column, the caption,
// the shortcut text (what follows a tab in the caption) right-aligned in its own column, and the
// submenu arrow column. Separators are kSeparatorHeight high.
class MenuLayout {
public:
    static constexpr int kBarPadding = 6;
    static constexpr int kPopupBorder = 3;
    static constexpr int kCheckColumn = 17;
    static constexpr int kArrowColumn = 17;
    static constexpr int kShortcutGap = 14;
    static constexpr int kSeparatorHeight = 8;

    struct Popup {
        SIZE size{};
        std::vector<RECT> items; // window coordinates
        int shortcutRight = 0;   // where shortcut texts end
    };

    static HFONT Font();
    static int ItemHeight();

    // Bar items relative to the bar's top-left corner.
    static std::vector<RECT> Bar(const MenuData& menu);
    static Popup ForPopup(const MenuData& menu);

    // The caption's label (before a tab) and shortcut text (after it).
    static std::string_view Label(std::string_view text);
    static std::string_view ShortcutText(std::string_view text);

    // The index of the item whose rectangle holds pt; -1 when none does. Separators never do.
    static int ItemAt(const MenuData& menu, const std::vector<RECT>& items, POINT pt);
};

} // namespace win::detail

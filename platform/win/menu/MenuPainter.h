#pragma once

#include "platform/win/menu/MenuLayout.h"

namespace win::detail {

// Draws bars and popups in the classic look: menu-coloured faces, the highlighted item in the
// highlight colours, grayed captions etched (unless highlighted), '&' access keys underlined,
// check marks on the left, shortcut texts right-aligned and submenu arrows on the right.
class MenuPainter {
public:
    // The bar across `bar` (DC coordinates); `selected` is highlighted, -1 for none.
    static void PaintBar(HDC hdc, const RECT& bar, const MenuData& menu, int selected);
    // A popup window's whole face, in its window coordinates.
    static void PaintPopup(HDC hdc, const MenuData& menu, const MenuLayout::Popup& layout,
                           int selected);
};

} // namespace win::detail

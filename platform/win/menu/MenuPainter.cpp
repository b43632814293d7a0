#include "platform/win/menu/MenuPainter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/menu/MenuConstants.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Text.h"

#include <string>

namespace win::detail {

namespace {

bool Grayed(const MenuEntry& item) {
    return (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

// A caption in `color`; grayed and not highlighted it is etched: a highlight copy one pixel down
// and right under the gray one.
void DrawCaption(HDC hdc, std::string_view text, RECT box, UINT format, bool grayed,
                 bool selected) {
    if (text.empty()) {
        return;
    }
    const std::string copy(text);
    const auto draw = [&](COLORREF color, int shift) {
        RECT at = box;
        OffsetRect(&at, shift, shift);
        SetTextColor(hdc, color);
        DrawTextA(hdc, copy.c_str(), static_cast<int>(copy.size()), &at, format);
    };
    if (grayed && !selected) {
        draw(GetSysColor(COLOR_3DHILIGHT), 1);
        draw(GetSysColor(COLOR_GRAYTEXT), 0);
    } else if (grayed) {
        draw(GetSysColor(COLOR_GRAYTEXT), 0);
    } else {
        draw(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), 0);
    }
}

// The 7 x 7 tick: column c covers rows b(c) - 2 .. b(c), b(c) = 4 + c up to column 2, 8 - c after
// (the check box's tick), centred in the check column.
void DrawCheck(HDC hdc, const RECT& item, COLORREF color) {
    const int left = item.left + (MenuLayout::kCheckColumn - 7) / 2;
    const int top = item.top + (item.bottom - item.top - 7) / 2;
    for (int c = 0; c < 7; ++c) {
        const int bottom = c <= 2 ? 4 + c : 8 - c;
        for (int row = bottom - 2; row <= bottom; ++row) {
            SetPixelV(hdc, left + c, top + row, color);
        }
    }
}

// A solid triangle pointing right, four columns of 7, 5, 3 and 1 pixels, centred in the arrow
// column.
void DrawArrow(HDC hdc, const RECT& item, COLORREF color) {
    const int left = item.right - MenuLayout::kArrowColumn + (MenuLayout::kArrowColumn - 4) / 2;
    const int middle = item.top + (item.bottom - item.top) / 2;
    for (int c = 0; c < 4; ++c) {
        for (int dy = -(3 - c); dy <= 3 - c; ++dy) {
            SetPixelV(hdc, left + c, middle + dy, color);
        }
    }
}

void DrawSeparator(HDC hdc, const RECT& item) {
    const int y = item.top + (item.bottom - item.top) / 2 - 1;
    const RECT shadow{item.left + 1, y, item.right - 1, y + 1};
    const RECT light{item.left + 1, y + 1, item.right - 1, y + 2};
    FillRect(hdc, &shadow, GetSysColorBrush(COLOR_3DSHADOW));
    FillRect(hdc, &light, GetSysColorBrush(COLOR_3DHILIGHT));
}

} // namespace

void MenuPainter::PaintBar(HDC hdc, const RECT& bar, const MenuData& menu, int selected) {
    const SavedDc saved(hdc);
    SelectObject(hdc, MenuLayout::Font());
    SetBkMode(hdc, TRANSPARENT);
    FillRect(hdc, &bar, GetSysColorBrush(COLOR_MENU));
    const std::vector<RECT> items = MenuLayout::Bar(menu);
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuEntry& item = menu.items[i];
        if ((item.flags & MF_SEPARATOR) != 0) {
            continue;
        }
        RECT box = items[i];
        OffsetRect(&box, bar.left, bar.top);
        if (box.left >= bar.right) {
            break;
        }
        const bool highlighted = static_cast<int>(i) == selected;
        if (highlighted) {
            FillRect(hdc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        DrawCaption(hdc, MenuLayout::Label(item.text), box, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                    Grayed(item), highlighted);
    }
}

void MenuPainter::PaintPopup(HDC hdc, const MenuData& menu, const MenuLayout::Popup& layout,
                             int selected) {
    const SavedDc saved(hdc);
    SelectObject(hdc, MenuLayout::Font());
    SetBkMode(hdc, TRANSPARENT);
    RECT face{0, 0, layout.size.cx, layout.size.cy};
    FillRect(hdc, &face, GetSysColorBrush(COLOR_MENU));
    DrawEdge(hdc, &face, EDGE_RAISED, BF_RECT);
    for (size_t i = 0; i < layout.items.size() && i < menu.items.size(); ++i) {
        const MenuEntry& item = menu.items[i];
        const RECT& box = layout.items[i];
        if ((item.flags & MF_SEPARATOR) != 0) {
            DrawSeparator(hdc, box);
            continue;
        }
        const bool highlighted = static_cast<int>(i) == selected;
        if (highlighted) {
            FillRect(hdc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        const COLORREF glyph = GetSysColor(Grayed(item)  ? COLOR_GRAYTEXT
                                           : highlighted ? COLOR_HIGHLIGHTTEXT
                                                         : COLOR_MENUTEXT);
        if ((item.flags & MF_CHECKED) != 0) {
            DrawCheck(hdc, box, glyph);
        }
        if ((item.flags & MF_POPUP) != 0) {
            DrawArrow(hdc, box, glyph);
        }
        const RECT label{box.left + MenuLayout::kCheckColumn, box.top, box.right, box.bottom};
        DrawCaption(hdc, MenuLayout::Label(item.text), label, DT_SINGLELINE | DT_LEFT | DT_VCENTER,
                    Grayed(item), highlighted);
        const RECT shortcut{label.left, box.top, layout.shortcutRight, box.bottom};
        DrawCaption(hdc, MenuLayout::ShortcutText(item.text), shortcut,
                    DT_SINGLELINE | DT_RIGHT | DT_VCENTER, Grayed(item), highlighted);
    }
}

} // namespace win::detail

#pragma once

#include "platform/win/WinTypes.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace win {

struct MenuEntry {
    UINT flags = 0;   // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
    UINT id = 0;      // the command id of a leaf
    HMENU submenu;    // set with MF_POPUP
    std::string text; // kept verbatim, '&' and trailing blanks included
};

struct MenuData {
    bool popup = false;
    std::vector<MenuEntry> items;
};

// Where an item lives: the menu that holds it and its index there.
struct MenuEntryRef {
    HMENU menu;
    size_t index = 0;
};

// Every live menu and the menu bar of each window. Menus are plain data: the window that shows a
// bar or a popup reads them when it draws or tracks.
class MenuTable {
public:
    static MenuTable& Instance();

    HMENU Create(bool popup);
    MenuData* Find(HMENU menu);
    // Destroys the menu and the submenus it holds.
    bool Destroy(HMENU menu);
    size_t LiveCount() const { return m_menus.size(); }

    // An item by position (MF_BYPOSITION) or by command id, searched through the submenus too.
    std::optional<MenuEntryRef> Locate(HMENU menu, UINT item, UINT flags);
    MenuEntry* ItemAt(const MenuEntryRef& ref);

    HMENU BarOf(HWND hwnd) const;
    // The window showing the menu as its bar; null when none.
    HWND WindowOfBar(HMENU menu) const;
    void SetBar(HWND hwnd, HMENU menu);
    // The bar item shown highlighted while a menu is tracked; -1 for none.
    int BarHighlight(HWND hwnd) const;
    void SetBarHighlight(HWND hwnd, int item);

    void Reset();

private:
    std::map<HMENU, MenuData> m_menus;
    std::map<HWND, HMENU> m_bars;
    std::map<HWND, int> m_barHighlights;
};

} // namespace win

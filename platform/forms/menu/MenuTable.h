#pragma once

#include "platform/win/WinTypes.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace forms {

struct MenuEntry {
    win::UINT flags = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
    win::UINT id = 0;    // the command id of a leaf
    win::HMENU submenu;  // set with MF_POPUP
    std::string text;    // kept verbatim, '&' and trailing blanks included
};

struct MenuData {
    bool popup = false;
    std::vector<MenuEntry> items;
};

// Where an item lives: the menu that holds it and its index there.
struct MenuEntryRef {
    win::HMENU menu;
    size_t index = 0;
};

// Every live menu and the menu bar of each window. Menus are plain data: the window that shows a
// bar or a popup reads them when it draws or tracks.
class MenuTable {
public:
    static MenuTable& Instance();

    win::HMENU Create(bool popup);
    MenuData* Find(win::HMENU menu);
    // Destroys the menu and the submenus it holds.
    bool Destroy(win::HMENU menu);
    size_t LiveCount() const { return m_menus.size(); }

    // An item by position (MF_BYPOSITION) or by command id, searched through the submenus too.
    std::optional<MenuEntryRef> Locate(win::HMENU menu, win::UINT item, win::UINT flags);
    MenuEntry* ItemAt(const MenuEntryRef& ref);

    win::HMENU BarOf(win::HWND hwnd) const;
    void SetBar(win::HWND hwnd, win::HMENU menu);

    void Reset();

private:
    std::map<win::HMENU, MenuData> m_menus;
    std::map<win::HWND, win::HMENU> m_bars;
};

} // namespace forms

#include "platform/win/menu/MenuTable.h"

#include "platform/win/menu/MenuConstants.h"
#include "platform/win/test/TestApi.h"

namespace win {

MenuTable& MenuTable::Instance() {
    static MenuTable* table = [] {
        static MenuTable instance;
        test::AddResetStep([] { instance.Reset(); });
        return &instance;
    }();
    return *table;
}

HMENU MenuTable::Create(bool popup) {
    const HMENU menu = HMENU::New();
    m_menus[menu].popup = popup;
    return menu;
}

MenuData* MenuTable::Find(HMENU menu) {
    const auto it = m_menus.find(menu);
    return it == m_menus.end() ? nullptr : &it->second;
}

bool MenuTable::Destroy(HMENU menu) {
    const auto it = m_menus.find(menu);
    if (it == m_menus.end()) {
        return false;
    }
    const std::vector<MenuEntry> items = std::move(it->second.items);
    m_menus.erase(it);
    for (const MenuEntry& item : items) {
        if ((item.flags & MF_POPUP) != 0) {
            Destroy(item.submenu);
        }
    }
    std::erase_if(m_bars, [menu](const auto& bar) { return bar.second == menu; });
    return true;
}

std::optional<MenuEntryRef> MenuTable::Locate(HMENU menu, UINT item, UINT flags) {
    MenuData* found = Find(menu);
    if (found == nullptr) {
        return std::nullopt;
    }
    if ((flags & MF_BYPOSITION) != 0) {
        if (item >= found->items.size()) {
            return std::nullopt;
        }
        return MenuEntryRef{menu, item};
    }
    for (size_t i = 0; i < found->items.size(); ++i) {
        const MenuEntry& entry = found->items[i];
        if ((entry.flags & MF_POPUP) != 0) {
            if (auto inner = Locate(entry.submenu, item, flags)) {
                return inner;
            }
        } else if ((entry.flags & MF_SEPARATOR) == 0 && entry.id == item) {
            return MenuEntryRef{menu, i};
        }
    }
    return std::nullopt;
}

MenuEntry* MenuTable::ItemAt(const MenuEntryRef& ref) {
    MenuData* menu = Find(ref.menu);
    return menu == nullptr || ref.index >= menu->items.size() ? nullptr : &menu->items[ref.index];
}

HMENU MenuTable::BarOf(HWND hwnd) const {
    const auto it = m_bars.find(hwnd);
    return it == m_bars.end() ? HMENU{} : it->second;
}

HWND MenuTable::WindowOfBar(HMENU menu) const {
    for (const auto& [hwnd, bar] : m_bars) {
        if (bar == menu) {
            return hwnd;
        }
    }
    return {};
}

void MenuTable::SetBar(HWND hwnd, HMENU menu) {
    if (menu) {
        m_bars[hwnd] = menu;
    } else {
        m_bars.erase(hwnd);
    }
}

int MenuTable::BarHighlight(HWND hwnd) const {
    const auto it = m_barHighlights.find(hwnd);
    return it == m_barHighlights.end() ? -1 : it->second;
}

void MenuTable::SetBarHighlight(HWND hwnd, int item) {
    if (item >= 0) {
        m_barHighlights[hwnd] = item;
    } else {
        m_barHighlights.erase(hwnd);
    }
}

void MenuTable::Reset() {
    m_menus.clear();
    m_bars.clear();
    m_barHighlights.clear();
}

} // namespace win

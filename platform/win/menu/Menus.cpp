#include "platform/win/menu/Menus.h"

#include "platform/win/WinConstants.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuTable.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

MenuTable& Table() {
    return MenuTable::Instance();
}

constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED;

// The item an Append/Insert/Modify call describes; nullopt when a popup names no live menu.
std::optional<MenuEntry> ItemFrom(UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    MenuEntry item;
    item.flags = flags & (kStateFlags | MF_POPUP | MF_SEPARATOR);
    if ((flags & MF_POPUP) != 0) {
        item.submenu = HMENU::FromValue(static_cast<uint32_t>(idNewItem));
        if (Table().Find(item.submenu) == nullptr) {
            return std::nullopt;
        }
    } else {
        item.id = static_cast<UINT>(idNewItem & 0xFFFF);
    }
    if ((flags & MF_SEPARATOR) == 0 && text != nullptr) {
        item.text = text;
    }
    return item;
}

bool IsTopLevel(HWND hwnd) {
    return IsWindow(hwnd) && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0;
}

} // namespace

HMENU CreateMenu() {
    return Table().Create(false);
}

HMENU CreatePopupMenu() {
    return Table().Create(true);
}

BOOL DestroyMenu(HMENU menu) {
    const HWND showing = Table().WindowOfBar(menu);
    if (!Table().Destroy(menu)) {
        return FALSE;
    }
    if (showing) {
        detail::MenuBarChanged(showing, true);
    }
    return TRUE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    MenuData* target = Table().Find(menu);
    std::optional<MenuEntry> item = ItemFrom(flags, idNewItem, text);
    if (target == nullptr || !item) {
        return FALSE;
    }
    target->items.push_back(std::move(*item));
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    std::optional<MenuEntry> item = ItemFrom(flags, idNewItem, text);
    if (Table().Find(menu) == nullptr || !item) {
        return FALSE;
    }
    // Past the end (or an unknown command) appends to the menu given.
    MenuEntryRef at{menu, Table().Find(menu)->items.size()};
    if (const auto found = Table().Locate(menu, position, flags)) {
        at = *found;
    }
    std::vector<MenuEntry>& items = Table().Find(at.menu)->items;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at.index), std::move(*item));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    const auto found = Table().Locate(menu, position, flags);
    std::optional<MenuEntry> item = ItemFrom(flags, idNewItem, text);
    if (!found || !item) {
        return FALSE;
    }
    *Table().ItemAt(*found) = std::move(*item);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    const auto found = Table().Locate(menu, position, flags);
    if (!found) {
        return FALSE;
    }
    std::vector<MenuEntry>& items = Table().Find(found->menu)->items;
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(found->index));
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    const auto found = Table().Locate(menu, item, check);
    if (!found) {
        return static_cast<DWORD>(-1);
    }
    MenuEntry& entry = *Table().ItemAt(*found);
    const DWORD previous = entry.flags & MF_CHECKED;
    entry.flags = (entry.flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    const auto found = Table().Locate(menu, item, enable);
    if (!found) {
        return -1;
    }
    MenuEntry& entry = *Table().ItemAt(*found);
    const UINT previous = entry.flags & (MF_GRAYED | MF_DISABLED);
    entry.flags = (entry.flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(previous);
}

int GetMenuItemCount(HMENU menu) {
    const MenuData* found = Table().Find(menu);
    return found == nullptr ? -1 : static_cast<int>(found->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
    const auto found = Table().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (position < 0 || !found) {
        return static_cast<UINT>(-1);
    }
    const MenuEntry& entry = *Table().ItemAt(*found);
    return (entry.flags & MF_POPUP) != 0 ? static_cast<UINT>(-1) : entry.id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const auto found = Table().Locate(menu, item, flags);
    if (!found) {
        return static_cast<UINT>(-1);
    }
    const MenuEntry& entry = *Table().ItemAt(*found);
    if ((entry.flags & MF_POPUP) != 0) {
        const auto count = static_cast<UINT>(GetMenuItemCount(entry.submenu));
        return (count << 8) | (entry.flags & 0xFF);
    }
    return entry.flags;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags) {
    const auto found = Table().Locate(menu, item, flags);
    if (!found) {
        return 0;
    }
    const std::string& text = Table().ItemAt(*found)->text;
    if (buffer == nullptr) {
        return static_cast<int>(text.size());
    }
    if (max <= 0) {
        return 0;
    }
    const size_t copied = std::min(text.size(), static_cast<size_t>(max - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (position < 0) {
        return {};
    }
    const auto found = Table().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!found) {
        return {};
    }
    const MenuEntry& entry = *Table().ItemAt(*found);
    return (entry.flags & MF_POPUP) != 0 ? entry.submenu : HMENU{};
}

HMENU GetMenu(HWND hwnd) {
    return IsTopLevel(hwnd) ? Table().BarOf(hwnd) : HMENU{};
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    if (!IsTopLevel(hwnd) || (menu && Table().Find(menu) == nullptr)) {
        return FALSE;
    }
    const bool hadBar = detail::MenuBarHeight(hwnd) > 0;
    Table().SetBar(hwnd, menu);
    detail::MenuBarChanged(hwnd, hadBar);
    return TRUE;
}

BOOL DrawMenuBar(HWND hwnd) {
    if (!IsTopLevel(hwnd)) {
        return FALSE;
    }
    detail::MenuBarChanged(hwnd, detail::MenuBarHeight(hwnd) > 0);
    return TRUE;
}

size_t LiveMenuCount() {
    return Table().LiveCount();
}

} // namespace win

#pragma once

// Menus at window level: building them, their item states and a window's menu bar. Items are
// found by command id (searched through submenus) or, with MF_BYPOSITION, by zero-based position.

#include "platform/win/menu/MenuConstants.h"

namespace win {

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its submenus; a window showing it as its bar is left without one.
BOOL DestroyMenu(HMENU menu);

// `idNewItem` is the command id, or with MF_POPUP the submenu's handle value. `text` is ignored
// for separators.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text);
// Inserts before the item named by `position`; a position past the end appends.
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text);
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text);
// Takes the item out of its menu; a submenu it held lives on.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);

// Both return the previous state (MF_CHECKED, or MF_GRAYED/MF_DISABLED) or -1 for no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);

int GetMenuItemCount(HMENU menu);
// The command id at a position; -1 for a submenu or no such item.
UINT GetMenuItemID(HMENU menu, int position);
// The item's flags (a submenu's item count in the high byte); -1 for no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Copies the caption (at most max - 1 bytes plus NUL) and returns the bytes copied; with a null
// buffer returns the caption's length.
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags);
HMENU GetSubMenu(HMENU menu, int position);

// A top-level window's bar; child windows have none.
HMENU GetMenu(HWND hwnd);
BOOL SetMenu(HWND hwnd, HMENU menu);
BOOL DrawMenuBar(HWND hwnd);

// Live menus, for teardown checks.
size_t LiveMenuCount();

} // namespace win

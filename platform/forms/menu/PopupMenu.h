#pragma once

// Popup menus tracked at a point, and the responder that answers them in tests.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/menu/MenuConstants.h"
#include "platform/forms/menu/MenuTable.h"

#include <vector>

namespace win {

// Shows `menu` at the screen point (x, y) for `hwnd`, modally. WM_INITMENUPOPUP reaches hwnd
// before the menu opens. With TPM_RETURNCMD returns the chosen command (0 when cancelled);
// otherwise posts WM_COMMAND (HIWORD 0) for a chosen item and returns TRUE. Only an enabled leaf
// can be chosen. Headless without a responder the menu is cancelled.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND hwnd,
                    const RECT* rect);

} // namespace win

namespace forms {

// What the popup shows when it opens, after WM_INITMENUPOPUP has run.
struct PopupMenuRequest {
    win::HWND owner;
    win::HMENU menu;
    win::UINT flags = 0;
    win::POINT at;
    std::vector<MenuEntry> items;
};

// The command chosen; 0 cancels.
using PopupMenuResponderType = DialogResponder<PopupMenuRequest, win::UINT>;
PopupMenuResponderType& PopupMenuResponder();

} // namespace forms

#pragma once

// Popup menus tracked at a point, and the responder that answers them in tests.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/win/menu/MenuConstants.h"
#include "platform/win/menu/MenuTable.h"

#include <vector>

namespace win {

// Shows `menu` at the screen point (x, y) for `hwnd`, modally. WM_INITMENUPOPUP reaches hwnd
// before the menu opens. With TPM_RETURNCMD returns the chosen command (0 when cancelled);
// otherwise posts WM_COMMAND (HIWORD 0) for a chosen item and returns TRUE. Only an enabled leaf
// can be chosen. A responder's answer is taken as the choice; without one the menu opens on the
// screen and a person (or injected input) chooses from it; headless with nothing to do, it is
// cancelled.
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
    std::vector<win::MenuEntry> items;
};

// The command chosen; 0 cancels.
using PopupMenuResponderType = DialogResponder<PopupMenuRequest, win::UINT>;
PopupMenuResponderType& PopupMenuResponder();

} // namespace forms

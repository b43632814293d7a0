#include "platform/forms/menu/PopupMenu.h"

#include "platform/win/WinConstants.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/menu/MenuTracker.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"

namespace forms {

PopupMenuResponderType& PopupMenuResponder() {
    return ResponderInstance<PopupMenuResponderType>();
}

} // namespace forms

namespace win {

namespace {

// A person can pick only an enabled leaf that the menu (or one of its submenus) holds.
bool Choosable(HMENU menu, UINT command) {
    const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
    return command != 0 && state != static_cast<UINT>(-1) &&
           (state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP)) == 0;
}

} // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int /*reserved*/, HWND hwnd,
                    const RECT* /*rect*/) {
    if (win::MenuTable::Instance().Find(menu) == nullptr || !IsWindow(hwnd)) {
        return FALSE;
    }
    SendMessageA(hwnd, WM_INITMENUPOPUP, HandleToParam(menu), MAKELPARAM(0, FALSE));
    const win::MenuData* shown = win::MenuTable::Instance().Find(menu);
    if (shown == nullptr) { // a handler destroyed it
        return FALSE;
    }
    forms::PopupMenuRequest request{hwnd, menu, flags, POINT{x, y}, shown->items};
    std::optional<UINT> answer =
        forms::AskResponder(forms::PopupMenuResponder(), request, "popup menu responder");
    forms::PopupMenuResponder().Record(std::move(request), answer);

    UINT chosen = 0;
    if (answer) {
        chosen = Choosable(menu, *answer) ? *answer : 0;
    } else {
        chosen = detail::MenuTracker::TrackPopup(menu, flags, POINT{x, y}, hwnd);
    }
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<BOOL>(chosen);
    }
    if (chosen != 0) {
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    }
    return TRUE;
}

} // namespace win

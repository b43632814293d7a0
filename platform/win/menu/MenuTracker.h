#pragma once

#include "platform/win/WinTypes.h"

#include <memory>
#include <vector>

namespace win::detail {

class PopupMenuWindow;

// The menu loop: a popup tracked at a point, or a window's menu bar entered from the keyboard or
// with the mouse. A nested loop (the owner stays enabled) reads the keyboard and the mouse itself,
// wherever their messages were headed, until an item is chosen or the menu is cancelled:
//
//   Up, Down        move the highlight through the open popup (past separators, wrapping)
//   Right           opens the highlighted submenu, else moves to the next bar item
//   Left            closes the innermost submenu, else moves to the previous bar item
//   Enter           chooses the highlighted leaf or opens its submenu (Down too, on the bar)
//   Esc             closes the innermost popup; on the bar with none open, leaves
//   a letter        the item with that access key: a leaf is chosen, a submenu opens
//   Alt, F10        leave
//   pointer moves   highlight what is under them; a submenu opens as its item is reached
//   a release       on a leaf chooses it (the right button too with TPM_RIGHTBUTTON)
//   a press         on a bar item opens it; outside every menu cancels
//
// The owner hears WM_INITMENU as the bar is entered, WM_INITMENUPOPUP before each popup opens,
// WM_MENUSELECT as the highlight moves and WM_MENUSELECT (0xFFFF, null menu) as the loop ends.
// Grayed items are highlighted but neither chosen nor opened. Headless with nothing left to do,
// the loop ends cancelled.
class MenuTracker {
public:
    // Returns the chosen command, 0 when cancelled. WM_INITMENUPOPUP for `menu` went out already.
    static UINT TrackPopup(HMENU menu, UINT flags, POINT at, HWND owner);

    // Enters the bar of the top-level `owner`: with `key` its item with that access key opens (no
    // such item: nothing happens), with 0 the first item is highlighted. A chosen command is
    // posted to the owner as WM_COMMAND.
    static void TrackBarByKey(HWND owner, char key);
    // The bar of `owner` has an item with that access key, so TrackBarByKey would open it.
    static bool BarHasAccessKey(HWND owner, char key);
    // Opens the bar item under the screen point.
    static void TrackBarByMouse(HWND owner, POINT screen);

    // A menu loop is running.
    static bool Tracking();

    ~MenuTracker();
    MenuTracker(const MenuTracker&) = delete;
    MenuTracker& operator=(const MenuTracker&) = delete;

private:
    MenuTracker(HWND owner, HMENU bar, UINT flags);

    UINT Run();
    bool Preview(MSG& msg);
    void OnKey(int vk);
    void OnChar(char key);
    void OnMouse(UINT msg, POINT pt);

    void SelectBar(int item, bool mouse);
    void OpenBar(int item, bool selectFirst, bool mouse);
    void MoveBar(int step);
    bool OpenPopup(HMENU menu, int indexInParent, POINT at, int flipRight, bool selectFirst);
    void OpenSubmenu(size_t level, bool selectFirst);
    void Select(size_t level, int item, bool mouse);
    void Step(int step);
    // Chooses the item (a leaf) or opens it (a submenu) in the innermost popup.
    void Activate(size_t level, int item, bool mouse);
    void CloseAbove(size_t keep);
    void Finish(UINT command);

    HWND m_owner;
    HWND m_captureWindow;
    HMENU m_bar;
    UINT m_flags = 0;
    int m_barItem = -1;
    std::vector<std::unique_ptr<PopupMenuWindow>> m_popups;
    bool m_done = false;
    UINT m_chosen = 0;
};

} // namespace win::detail

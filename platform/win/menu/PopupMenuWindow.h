#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

// One open popup of the menu loop: a topmost window of the "#32768" class that never takes
// activation, showing a menu with one item highlighted. The window lives as long as the object.
class PopupMenuWindow {
public:
    static constexpr const char* kClassName = "#32768";

    // Opens at the screen point `at`, kept on the screen: a popup that would run off the right
    // edge ends at `flipRight` instead when that is given (a submenu then opens on the left of its
    // parent), else at the screen's edge; one that would run off the bottom moves up.
    PopupMenuWindow(HMENU menu, HWND owner, POINT at, int flipRight = -1);
    ~PopupMenuWindow();
    PopupMenuWindow(const PopupMenuWindow&) = delete;
    PopupMenuWindow& operator=(const PopupMenuWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    HMENU Menu() const { return m_menu; }
    int Selected() const { return m_selected; }
    void Select(int item);

    // The item under a screen point (-1 for none or a separator); whether the window holds it.
    int ItemAt(POINT screen) const;
    bool Holds(POINT screen) const;
    RECT ItemScreenRect(int item) const;
    RECT ScreenRect() const;

    static LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void Paint();

    HMENU m_menu;
    HWND m_hwnd;
    int m_selected = -1;
};

} // namespace win::detail

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// The multiple-document interface: a frame window holds an "MDIClient" child, which holds the
// document windows (MDI children) and keeps one of them active: the topmost visible one.
//
// Activating a child (WM_MDIACTIVATE to the client, a click inside it, its creation):
//   1. the child comes to the top of the client's children;
//   2. WM_NCACTIVATE FALSE to the child losing activation, TRUE to the new one;
//   3. WM_MDIACTIVATE(wParam = child losing, lParam = child gaining) to the losing child, then
//      to the gaining one;
//   4. the focus moves to the new child when its frame is the active window.

// The lpCreateParams of the client's CreateWindowExA.
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu;
    UINT idFirstChild = 0;
};

// The lParam of WM_MDICREATE; the child's CREATESTRUCTA.lpCreateParams points to it.
// CW_USEDEFAULT places a child (and sizes it) a caption's step down the cascade.
struct MDICREATESTRUCTA {
    LPCSTR szClass = nullptr;
    LPCSTR szTitle = nullptr;
    HINSTANCE hOwner;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    LPARAM lParam = 0;
};

// The wParam of WM_MDITILE (WM_MDICASCADE and WM_MDITILE arrange the visible, not minimised
// children).
inline constexpr UINT MDITILE_VERTICAL = 0;
inline constexpr UINT MDITILE_HORIZONTAL = 1;

// The default procedure of a frame: the focus goes on to the active child; the client follows
// the frame's size when hwndMDIClient is given.
LRESULT DefFrameProcA(HWND hwnd, HWND hwndMDIClient, UINT msg, WPARAM wParam, LPARAM lParam);
// The default procedure of an MDI child: a click activates it, closing destroys it through the
// client (which activates the next child).
LRESULT DefMDIChildProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Ctrl+F4 closes the active child, Ctrl+F6 activates the next; TRUE when msg was one of them.
BOOL TranslateMDISysAccel(HWND hwndClient, MSG* msg);

namespace controls {
LRESULT MdiClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
} // namespace controls

} // namespace win

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// The parent of a child window; the owner of an owned top-level window; else null.
HWND GetParent(HWND hwnd);
// Keeps the child's client-relative position, now relative to the new parent; null makes it a
// top-level window. Returns the old parent (the desktop window for a former top-level window).
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetAncestor(HWND hwnd, UINT flags);
// True for any descendant through the parent chain; owned windows are not descendants.
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDesktopWindow();

// The deepest shown window under the point: hidden windows, disabled children and windows whose
// WM_NCHITTEST answers HTTRANSPARENT are passed over. The desktop when nothing else is there.
HWND WindowFromPoint(POINT point);
// point in parent's client coordinates: the child containing it (hidden and disabled ones too),
// parent itself when none does, null when the point lies outside parent.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

// Every descendant of parent (parents before children, each level in z-order), or every
// top-level window in z-order, until proc returns FALSE. The set is taken before the first call.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);

HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);

} // namespace win

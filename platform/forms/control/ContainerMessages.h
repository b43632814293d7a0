#pragma once

#include "platform/forms/control/OleColor.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>

namespace forms {

class ControlContainer;

// The part of a container's window procedure every container shares (form, PictureBox, user
// control surface). Call it first for each message; nullopt means "not handled here".
//   WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_VSCROLL/WM_HSCROLL from a child control: reflected to
//     that control's OnReflected (a control that does not answer gets the default)
//   mouse messages over a windowless child: routed to the topmost one under the point, which
//     raises its own events (the press captures the container until the release)
//   WM_SETCURSOR over a windowless child with a MousePointer: its cursor
//   WM_ERASEBKGND: filled with backColor
//   WM_SYSCOLORCHANGE: forwarded to every descendant window
std::optional<win::LRESULT> HandleContainerMessage(ControlContainer& container, win::HWND hwnd,
                                                   win::UINT msg, win::WPARAM wParam,
                                                   win::LPARAM lParam, OLE_COLOR backColor);

// The paint order of a container surface, for its WM_PAINT:
//   BeginPaint (erasing through WM_ERASEBKGND when flagged), the update region filled with
//   backColor even when no erase was asked, raisePaint(hdc) only when the update region was not
//   empty, the windowless children bottom first, EndPaint.
void PaintContainerSurface(ControlContainer& container, win::HWND hwnd, OLE_COLOR backColor,
                           const std::function<void(win::HDC)>& raisePaint);

} // namespace forms

#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/window/NonClient.h"

#include <optional>

namespace win::detail {

// What a display reports about a top-level window's surface (id = HWND value), done the way the
// platform does it for its own requests. Reports for unknown windows are ignored, and reports of
// a state the window already has change nothing, so echoes of the platform's own requests are
// harmless.

// The display gave the keyboard to the surface (activate it) or took it away (deactivate).
void OnSurfaceFocus(uint32_t id, bool focused);
// A close button or the window manager: WM_CLOSE, unless the window is disabled.
void OnSurfaceCloseRequest(uint32_t id);
// Screen pixels were lost: send them again from the framebuffer.
void OnSurfaceExposed(uint32_t id, const RECT& damage);
// Moved or resized from outside: WM_WINDOWPOSCHANGED, WM_MOVE and WM_SIZE as for SetWindowPos.
void OnSurfaceMoved(uint32_t id, const RECT& windowRect);
// Iconified or restored from outside.
void OnSurfaceMinimized(uint32_t id, bool minimized);
// Put in or out of the topmost band from outside (WS_EX_TOPMOST follows).
void OnSurfaceTopmost(uint32_t id, bool topmost);
// Framed by the display's window manager (frame: its thickness) or no longer (nullopt): the
// window keeps its rectangle and its client area follows the new frame.
void OnSurfaceFramed(uint32_t id, std::optional<NonClientInsets> frame);

} // namespace win::detail

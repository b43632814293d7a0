#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// Asks the control's parent for its colours with msg (a WM_CTLCOLOR* message): the parent sets the
// DC's text colour, background colour and mode and returns a brush. A result of 0 or a handle
// that names no brush falls back to the default answer, which also sets the default colours.
HBRUSH ControlColorBrush(HWND control, HDC hdc, UINT msg);
// The same question put to another window than the parent (a combo box's dropped list asks the
// combo box).
HBRUSH ControlColorBrushFrom(HWND asked, HWND control, HDC hdc, UINT msg);

// Whether handle names a live brush.
bool IsBrush(HBRUSH brush);

} // namespace win::controls

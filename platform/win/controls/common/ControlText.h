#pragma once

#include "platform/win/controls/common/ControlFont.h"

#include <string>

namespace win::controls {

// The window text as stored by the default procedure.
std::string WindowText(HWND hwnd);

// The messages every text-showing control answers alike: WM_SETFONT / WM_GETFONT keep the font
// (not owned), WM_SETTEXT stores the text through the default procedure and repaints; WM_ENABLE,
// WM_SIZE and WM_STYLECHANGED repaint (a disabled control draws its text grey). True when msg was
// one of them.
bool HandleTextAndFont(HWND hwnd, ControlFont& font, UINT msg, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);

} // namespace win::controls

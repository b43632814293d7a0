#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// One caret per thread. It is created hidden; ShowCaret and HideCaret nest. Calls naming a window
// that does not own the caret fail without effect (null names the owner).
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
// Client coordinates of the owner.
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* pt);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);

} // namespace win

#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Key state as of the last input retrieved: negative while down, low bit toggled. The async form
// reads the same table, which is also updated at retrieval so injected sequences stay
// deterministic.
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);

// The cursor as of the last mouse input retrieved.
BOOL GetCursorPos(POINT* pt);
// Queues a mouse move to (x, y).
BOOL SetCursorPos(int x, int y);

// Confines injected positions to rect (right and bottom exclusive). Null, or the whole screen,
// unclips.
BOOL ClipCursor(const RECT* rect);
// The clip rectangle, or the screen while unclipped.
BOOL GetClipCursor(RECT* rect);

UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT ms);

} // namespace win

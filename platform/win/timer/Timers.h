#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Elapse values below 10 ms count as 10 ms. With hwnd null the result is a new timer id unless
// nIDEvent names an existing thread timer, which is then replaced.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR uIDEvent);

} // namespace win

#include "platform/win/timer/Timers.h"

#include "platform/win/detail/WindowTable.h"
#include "platform/win/timer/TimerTable.h"

namespace win {

UINT_PTR SetTimer(HWND hwnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC proc) {
    if (hwnd && detail::LookupWindow(hwnd) == nullptr) {
        return 0;
    }
    return detail::TimerTable::Instance().Set(hwnd, nIDEvent, uElapse, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR uIDEvent) {
    return detail::TimerTable::Instance().Kill(hwnd, uIDEvent) ? TRUE : FALSE;
}

} // namespace win

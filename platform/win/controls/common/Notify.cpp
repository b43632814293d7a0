#include "platform/win/controls/common/Notify.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/WindowLong.h"

namespace win::controls {

void NotifyParent(HWND control, WORD code) {
    NotifyWindow(GetParent(control), control,
                 static_cast<uint32_t>(GetWindowLongA(control, GWL_ID)), code);
}

void NotifyWindow(HWND target, HWND control, uint32_t id, WORD code) {
    if (target) {
        SendMessageA(target, WM_COMMAND, MAKEWPARAM(id, code), HandleToParam(control));
    }
}

LRESULT SendNotify(HWND target, HWND from, UINT_PTR id, int code) {
    NMHDR header;
    header.hwndFrom = from;
    header.idFrom = id;
    header.code = code;
    return SendMessageA(target, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

} // namespace win::controls

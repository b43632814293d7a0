#include "platform/win/controls/common/Notify.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/WindowLong.h"

namespace win::controls {

void NotifyParent(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    if (!parent) {
        return;
    }
    const auto id = static_cast<uint32_t>(GetWindowLongA(control, GWL_ID));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), HandleToParam(control));
}

LRESULT SendNotify(HWND target, HWND from, UINT_PTR id, int code) {
    NMHDR header;
    header.hwndFrom = from;
    header.idFrom = id;
    header.code = code;
    return SendMessageA(target, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

} // namespace win::controls

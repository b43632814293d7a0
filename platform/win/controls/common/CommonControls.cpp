#include "platform/win/controls/common/CommonControls.h"

namespace win {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    return init && init->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}

void InitCommonControls() {}

} // namespace win

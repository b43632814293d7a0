#include "platform/win/controls/common/Focus.h"

#include "platform/win/window/Activation.h"
#include "platform/win/window/Lifetime.h"

namespace win::controls {

bool TakeFocusOnPress(HWND hwnd) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    return IsWindow(hwnd) != FALSE;
}

} // namespace win::controls

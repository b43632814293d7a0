#include "platform/win/system/SystemMetrics.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"

namespace win {

namespace {
int g_scrollBarSize = detail::kDefaultScrollBarSize;
} // namespace

void detail::SetScrollBarSize(int pixels) {
    g_scrollBarSize = pixels;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return display::CurrentBackend().ScreenWidth();
    case SM_CYSCREEN:
        return display::CurrentBackend().ScreenHeight();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return g_scrollBarSize;
    case SM_CYCAPTION:
        return 18;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

} // namespace win

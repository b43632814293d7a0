#include "platform/win/system/SysColors.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"

#include <array>

namespace win {

namespace {

constexpr std::array<COLORREF, COLOR_COUNT> kDefaultColors = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(0, 0, 0),       // 25
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),   // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

std::array<COLORREF, COLOR_COUNT>& Colors() {
    thread_local std::array<COLORREF, COLOR_COUNT> colors = kDefaultColors;
    return colors;
}

} // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= COLOR_COUNT) {
        return 0;
    }
    return Colors()[index];
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= COLOR_COUNT) {
        return {};
    }
    return gdi::GdiObjects::SysColorBrush(index);
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indices || !colors))) {
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        if (indices[i] >= 0 && indices[i] < COLOR_COUNT) {
            Colors()[indices[i]] = colors[i] & 0x00FFFFFF;
        }
    }
    for (HWND hwnd : detail::TopLevelWindowsInZOrder()) {
        detail::DeliverMessage(hwnd, WM_SYSCOLORCHANGE, 0, 0);
    }
    return TRUE;
}

namespace detail {
void ResetSysColors() {
    Colors() = kDefaultColors;
}
} // namespace detail

} // namespace win

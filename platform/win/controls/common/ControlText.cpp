#include "platform/win/controls/common/ControlText.h"

#include "platform/win/WinConstants.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/window/Messages.h"

#include <algorithm>

namespace win::controls {

std::string WindowText(HWND hwnd) {
    const auto length = static_cast<size_t>(DefWindowProcA(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<size_t>(
        DefWindowProcA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

bool HandleTextAndFont(HWND hwnd, ControlFont& font, UINT msg, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
    switch (msg) {
    case WM_SETFONT:
        font.Set(HfontFromParam(static_cast<intptr_t>(wParam)));
        if (LOWORD(static_cast<uint64_t>(lParam))) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        result = 0;
        return true;
    case WM_GETFONT:
        result = HandleToParam(font.Get());
        return true;
    case WM_SETTEXT:
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return true;
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED:
        InvalidateRect(hwnd, nullptr, TRUE);
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
        return true;
    default:
        return false;
    }
}

} // namespace win::controls

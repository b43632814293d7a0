#include "platform/win/window/Classes.h"

#include "platform/win/window/ClassTable.h"
#include "platform/win/window/WindowState.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace win {

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpfnWndProc || !wc->lpszClassName ||
        !*wc->lpszClassName) {
        return 0;
    }
    auto windowClass = std::make_shared<detail::WindowClass>();
    windowClass->name = wc->lpszClassName;
    windowClass->style = wc->style;
    windowClass->proc = wc->lpfnWndProc;
    windowClass->instance = wc->hInstance;
    windowClass->icon = wc->hIcon;
    windowClass->iconSmall = wc->hIconSm;
    windowClass->cursor = wc->hCursor;
    windowClass->background = wc->hbrBackground;
    windowClass->classExtra = wc->cbClsExtra;
    windowClass->windowExtra = wc->cbWndExtra;
    if (!detail::ClassTable::Add(windowClass)) {
        return 0;
    }
    // Atoms only need to be non-zero and distinct while registered; the low bits of a fresh
    // handle value serve.
    return static_cast<ATOM>(0xC000 | (detail::AllocateHandleValue() & 0x3FFF));
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    if (!className) {
        return FALSE;
    }
    const auto windowClass = detail::ClassTable::Find(className);
    if (!windowClass || windowClass->system) {
        return FALSE;
    }
    for (const auto& [value, record] : detail::WindowManager().windows) {
        if (!record->destroyed && record->windowClass == windowClass) {
            return FALSE;
        }
    }
    return detail::ClassTable::Remove(className) ? TRUE : FALSE;
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, WNDCLASSEXA* wc) {
    if (!className || !wc) {
        return FALSE;
    }
    const auto windowClass = detail::ClassTable::Find(className);
    if (!windowClass) {
        return FALSE;
    }
    wc->cbSize = sizeof(WNDCLASSEXA);
    wc->style = windowClass->style;
    wc->lpfnWndProc = windowClass->proc;
    wc->cbClsExtra = windowClass->classExtra;
    wc->cbWndExtra = windowClass->windowExtra;
    wc->hInstance = windowClass->instance;
    wc->hIcon = windowClass->icon;
    wc->hIconSm = windowClass->iconSmall;
    wc->hCursor = windowClass->cursor;
    wc->hbrBackground = windowClass->background;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = windowClass->name.c_str();
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR className, int maxCount) {
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record || !className || maxCount <= 0) {
        return 0;
    }
    const std::string_view name = record->windowClass->name;
    const size_t count = std::min(name.size(), static_cast<size_t>(maxCount - 1));
    std::memcpy(className, name.data(), count);
    className[count] = '\0';
    return static_cast<int>(count);
}

} // namespace win

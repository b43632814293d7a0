#include "platform/win/gdi/DeviceContexts.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/RegionObject.h"
#include "platform/win/gdi/Screen.h"
#include "platform/win/gdi/VisibleRegion.h"
#include "platform/win/window/WindowState.h"

#include <memory>

namespace win {

namespace {

HDC ScreenDc() {
    const gdi::Region clip(gdi::Screen::Desktop().Bounds());
    return gdi::DcTable::Add(std::make_unique<gdi::DeviceContext>(HWND{}, HWND{}, POINT{}, clip));
}

} // namespace

HDC GetDCEx(HWND hwnd, HRGN hrgnClip, DWORD flags) {
    if (!hwnd || hwnd == detail::WindowManager().desktop) {
        return ScreenDc();
    }
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record) {
        return {};
    }
    const HWND root = detail::RootWindow(hwnd);
    const detail::WindowRecord* rootRecord = detail::LookupWindow(root);
    const RECT& area = (flags & DCX_WINDOW) ? record->windowRect : record->clientRect;
    const POINT origin{area.left - rootRecord->windowRect.left,
                       area.top - rootRecord->windowRect.top};

    gdi::Region clip;
    if ((flags & DCX_PARENTCLIP) && record->parent) {
        clip = gdi::VisibleRegion(record->parent, 0);
        RECT own = area;
        own.left -= rootRecord->windowRect.left;
        own.right -= rootRecord->windowRect.left;
        own.top -= rootRecord->windowRect.top;
        own.bottom -= rootRecord->windowRect.top;
        clip.Intersect(own);
    } else {
        clip = gdi::VisibleRegion(hwnd, flags);
    }
    if (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) {
        if (const gdi::Region* extra = gdi::LookupRegion(hrgnClip)) {
            gdi::Region device = *extra;
            device.Offset(-rootRecord->windowRect.left, -rootRecord->windowRect.top);
            if (flags & DCX_INTERSECTRGN) {
                clip.Intersect(device);
            } else {
                clip.Subtract(device);
            }
        }
    }
    return gdi::DcTable::Add(std::make_unique<gdi::DeviceContext>(hwnd, root, origin, clip));
}

HDC GetDC(HWND hwnd) {
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    DWORD flags = DCX_CACHE;
    if (record) {
        if (record->style & WS_CLIPCHILDREN) {
            flags |= DCX_CLIPCHILDREN;
        }
        if (record->style & WS_CLIPSIBLINGS) {
            flags |= DCX_CLIPSIBLINGS;
        }
    } else if (hwnd) {
        return {};
    }
    return GetDCEx(hwnd, {}, flags);
}

HDC GetWindowDC(HWND hwnd) {
    if (hwnd && !detail::LookupWindow(hwnd)) {
        return {};
    }
    return GetDCEx(hwnd, {}, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
}

int ReleaseDC(HWND, HDC hdc) {
    return gdi::DcTable::Release(hdc) ? 1 : 0;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!gdi::DcTable::Find(hdc)) {
        return 0;
    }
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

} // namespace win

#include "platform/win/test/Probes.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/raster/Screen.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowState.h"

#include <cstdio>
#include <functional>

namespace win::test {

namespace {

std::vector<CaughtException>& Log() {
    thread_local std::vector<CaughtException> log;
    return log;
}

std::string Hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", value);
    return buffer;
}

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

} // namespace

void RecordCaughtException(std::string_view where, std::string_view what) {
    Log().push_back({std::string(where), std::string(what)});
}

const std::vector<CaughtException>& CaughtExceptions() {
    return Log();
}

void ClearCaughtExceptions() {
    Log().clear();
}

std::string DumpWindowTree() {
    const detail::WindowManagerState& wm = detail::WindowManager();
    std::string out;
    std::function<void(HWND, int)> dump = [&](HWND hwnd, int depth) {
        const detail::WindowRecord* r = detail::LookupWindow(hwnd);
        if (!r) {
            return;
        }
        out.append(static_cast<size_t>(depth) * 2, ' ');
        out += Hex(hwnd.Value()) + " \"" + r->windowClass->name + "\" \"" + r->text + "\" " +
               RectText(r->windowRect) + " client " + RectText(r->clientRect) + " style " +
               Hex(r->style) + " ex " + Hex(r->exStyle);
        out += (r->style & WS_VISIBLE) ? " visible" : " hidden";
        if (r->style & WS_DISABLED) {
            out += " disabled";
        }
        if (r->owner) {
            out += " owner " + Hex(r->owner.Value());
        }
        if (hwnd == wm.focus) {
            out += " [focus]";
        }
        if (hwnd == wm.active) {
            out += " [active]";
        }
        out += '\n';
        for (HWND child : r->children) {
            dump(child, depth + 1);
        }
    };
    for (HWND hwnd : wm.topLevels) {
        dump(hwnd, 0);
    }
    return out;
}

size_t LiveWindowCount() {
    return detail::LiveWindowCount();
}

size_t LiveDcCount() {
    return gdi::DcTable::LiveCount();
}

size_t LiveGdiObjectCount() {
    return gdi::GdiObjects::LiveCount();
}

size_t LiveGdiObjectCount(gdi::GdiObjectKind kind) {
    return gdi::GdiObjects::LiveCount(kind);
}

HWND DroppedList() {
    HWND found;
    EnumWindows(
        [](HWND hwnd, LPARAM out) {
            char name[16] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (std::string_view(name) == "ComboLBox" && IsWindowVisible(hwnd))
                *reinterpret_cast<HWND*>(out) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record) {
        return CLR_INVALID;
    }
    const detail::WindowRecord* root = detail::LookupWindow(detail::RootWindow(hwnd));
    if (!root || !root->surface) {
        return CLR_INVALID;
    }
    const int sx = record->windowRect.left - root->windowRect.left + x;
    const int sy = record->windowRect.top - root->windowRect.top + y;
    if (sx < 0 || sy < 0 || sx >= root->surface->Width() || sy >= root->surface->Height()) {
        return CLR_INVALID;
    }
    return gdi::PixelToColor(root->surface->Pixel(sx, sy));
}

COLORREF ScreenPixel(int x, int y) {
    const gdi::Surface composite = gdi::Screen::Compose();
    if (x < 0 || y < 0 || x >= composite.Width() || y >= composite.Height()) {
        return CLR_INVALID;
    }
    return gdi::PixelToColor(composite.Pixel(x, y));
}

} // namespace win::test

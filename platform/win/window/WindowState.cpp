#include "platform/win/window/WindowState.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/raster/Surface.h"

#include <algorithm>

namespace win::detail {

WindowRecord::WindowRecord() = default;
WindowRecord::~WindowRecord() = default;

UINT WindowRecord::ClassStyle() const {
    return windowClass ? windowClass->style : 0;
}
HCURSOR WindowRecord::ClassCursor() const {
    return windowClass ? windowClass->cursor : HCURSOR{};
}
HBRUSH WindowRecord::ClassBackground() const {
    return windowClass ? windowClass->background : HBRUSH{};
}

WindowManagerState& WindowManager() {
    thread_local WindowManagerState state;
    return state;
}

WindowRecord& DesktopRecord() {
    WindowManagerState& wm = WindowManager();
    if (!wm.desktop) {
        auto desktop = std::make_shared<WindowRecord>();
        desktop->hwnd = HWND::New();
        desktop->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        auto desktopClass = std::make_shared<WindowClass>();
        desktopClass->name = "#32769";
        desktopClass->system = true;
        desktopClass->background = HBRUSH::FromValue(COLOR_BACKGROUND + 1);
        desktop->windowClass = desktopClass;
        wm.desktop = desktop->hwnd;
        wm.windows.emplace(desktop->hwnd.Value(), desktop);
    }
    WindowRecord& desktop = *wm.windows.at(wm.desktop.Value());
    const display::Backend& backend = display::CurrentBackend();
    desktop.windowRect = {0, 0, backend.ScreenWidth(), backend.ScreenHeight()};
    desktop.clientRect = desktop.windowRect;
    return desktop;
}

WindowRecord* LookupWindow(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    WindowManagerState& wm = WindowManager();
    if (hwnd == wm.desktop) {
        return &DesktopRecord();
    }
    const auto it = wm.windows.find(hwnd.Value());
    if (it == wm.windows.end() || it->second->destroyed) {
        return nullptr;
    }
    return it->second.get();
}

std::shared_ptr<WindowRecord> KeepWindow(HWND hwnd) {
    if (!LookupWindow(hwnd)) {
        return nullptr;
    }
    return WindowManager().windows.at(hwnd.Value());
}

size_t LiveWindowCount() {
    const WindowManagerState& wm = WindowManager();
    return wm.windows.size() - (wm.desktop ? 1 : 0);
}

std::vector<HWND> TopLevelWindowsInZOrder() {
    return WindowManager().topLevels;
}

SiblingOrder& SiblingList(const WindowRecord& record) {
    if (WindowRecord* parent = LookupWindow(record.parent)) {
        return parent->children;
    }
    return WindowManager().topLevels;
}

HWND RootWindow(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    while (record && record->parent) {
        WindowRecord* parent = LookupWindow(record->parent);
        if (!parent) {
            break;
        }
        record = parent;
    }
    return record ? record->hwnd : HWND{};
}

bool IsDescendant(HWND hwnd, HWND ancestor) {
    if (!ancestor) {
        return false;
    }
    WindowRecord* record = LookupWindow(hwnd);
    while (record && record->parent) {
        if (record->parent == ancestor) {
            return true;
        }
        record = LookupWindow(record->parent);
    }
    return false;
}

std::vector<HWND> SubtreePreOrder(HWND hwnd) {
    std::vector<HWND> out;
    std::vector<HWND> stack{hwnd};
    while (!stack.empty()) {
        const HWND current = stack.back();
        stack.pop_back();
        const WindowRecord* record = LookupWindow(current);
        if (!record) {
            continue;
        }
        out.push_back(current);
        for (auto it = record->children.rbegin(); it != record->children.rend(); ++it) {
            stack.push_back(*it);
        }
    }
    return out;
}

POINT ChildOrigin(const WindowRecord& record) {
    if (const WindowRecord* parent = LookupWindow(record.parent)) {
        return {parent->clientRect.left, parent->clientRect.top};
    }
    return {0, 0};
}

bool IsShownOnScreen(const WindowRecord& record) {
    const WindowRecord* current = &record;
    while (current) {
        if (!(current->style & WS_VISIBLE) || (current->style & WS_MINIMIZE)) {
            return false;
        }
        if (!current->parent) {
            return true;
        }
        current = LookupWindow(current->parent);
    }
    return false;
}

} // namespace win::detail

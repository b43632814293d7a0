#pragma once

// The window manager's own state and tree helpers; internal to the window layer.

#include "platform/win/detail/WindowTable.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace win::detail {

struct WindowManagerState {
    std::unordered_map<uint32_t, std::shared_ptr<WindowRecord>> windows;
    SiblingOrder topLevels; // topmost first
    HWND desktop;
    HWND focus;
    HWND active;
    int dispatchDepth = 0;
    // Set whenever a window may have started to owe a paint; cleared by a scan that finds none,
    // so an idle loop does not walk every window for every message.
    bool paintMaybePending = false;
};

WindowManagerState& WindowManager();

// The desktop window: always present, its rectangle is the screen.
WindowRecord& DesktopRecord();

// The z-ordered list hwnd is part of: its parent's children, or the top-level list.
SiblingOrder& SiblingList(const WindowRecord& record);

// The top-level window hwnd belongs to through the parent chain (hwnd itself when top-level).
HWND RootWindow(HWND hwnd);

// True when hwnd lies below ancestor in the parent chain (owners don't count).
bool IsDescendant(HWND hwnd, HWND ancestor);

// hwnd and all its descendants, parents before children, each level in z-order.
std::vector<HWND> SubtreePreOrder(HWND hwnd);

// Screen position of the client origin hwnd's children are relative to (0,0 for top-level).
POINT ChildOrigin(const WindowRecord& record);

// WS_VISIBLE on the window and every ancestor, and no minimised ancestor.
bool IsShownOnScreen(const WindowRecord& record);

} // namespace win::detail

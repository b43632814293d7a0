#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <set>

namespace shared {

// The record of one subclassed window. Fields carry their system names; the module owns records
// and hands out read-only views for inspection.
class cSubclassInfo {
public:
    win::HWND hwnd;
    // Weak id of the listener object; holds no reference.
    uint32_t ListenerPtr = 0;
    // The procedure in place before this library subclassed the window.
    win::WNDPROC oldWndProc = nullptr;
    // Hooked message numbers; 0 is never stored.
    std::set<win::UINT> msgList;

    // Adding a message twice keeps one entry; message 0 is ignored by all three.
    void AddMessage(win::UINT Msg);
    void RemoveMessage(win::UINT Msg);
    bool IsMessageHooked(win::UINT Msg) const;
};

} // namespace shared

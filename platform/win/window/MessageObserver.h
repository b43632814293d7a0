#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

// Watches deliveries beside the procedure chain (the message spy, relays): it never replaces
// GWL_WNDPROC, so a subclass that restores its saved procedure cannot unhook it.
class MessageObserver {
public:
    virtual ~MessageObserver() = default;
    // depth: 1 for the outermost delivery, more for messages sent while one is being handled.
    virtual void BeforeDeliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int depth) = 0;
    virtual void AfterDeliver(HWND hwnd, UINT msg, LRESULT result, int depth) = 0;
    // Called by the platform reset.
    virtual void OnReset() {}
};

void AddMessageObserver(MessageObserver* observer);
void RemoveMessageObserver(MessageObserver* observer);
void ResetMessageObservers();

} // namespace win::detail

#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace layoutdesk {

// Member id of NotifyHookedEvent on the automation interface _IHookListener.
inline constexpr ole::DISPID DISPID_NotifyHookedEvent = 0x60030000;

// What an object of this library implements to hear the thread hooks WndHooks shares. A listener
// is an ole::Object that also derives from this interface; WndHooks keeps only its weak id.
class IHookListener {
public:
    virtual ~IHookListener() = default;

    // Setting bNoCallNextHook claims the call: later listeners and the next hook are skipped
    // (for nCode >= 0). The return value is not used by the dispatcher.
    virtual int32_t NotifyHookedEvent(int32_t nHookType, int32_t nCode, win::WPARAM wParam,
                                      win::LPARAM lParam, bool& bNoCallNextHook) = 0;

protected:
    IHookListener() = default;
    IHookListener(const IHookListener&) = default;
    IHookListener& operator=(const IHookListener&) = default;
};

} // namespace layoutdesk

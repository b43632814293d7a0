#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

namespace shared {

// Member id of WindowMsgListener on the automation interface _cSubclassListener.
inline constexpr ole::DISPID DISPID_WindowMsgListener = 0x60030000;

// What an object implements to see the hooked messages of a window it subclasses. A listener is an
// ole::Object that also derives from this interface; the subclassing module keeps only its weak
// id. Host objects written against the automation interface are reached through
// SubclassListenerForwarder instead.
class cSubclassListener {
public:
    virtual ~cSubclassListener() = default;

    // Called for hooked messages only, with bRouteToOriginal True. Leaving it True passes the
    // message on to the window's previous procedure, whose result becomes the message's result;
    // clearing it makes this return value the result. The interface's own body does nothing.
    virtual win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                           win::LPARAM lParam, bool& bRouteToOriginal) {
        (void)hwnd;
        (void)Msg;
        (void)wParam;
        (void)lParam;
        (void)bRouteToOriginal;
        return 0;
    }

protected:
    cSubclassListener() = default;
    cSubclassListener(const cSubclassListener&) = default;
    cSubclassListener& operator=(const cSubclassListener&) = default;
};

} // namespace shared

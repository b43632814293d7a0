#pragma once

#include "platform/ole/dispatch/DispatchForwarder.h"
#include "shared/subclass/cSubclassListener.h"

namespace shared {

// cSubclassListener for a host object that implements the automation interface: the call goes to
// its WindowMsgListener by member id with the 32-bit arguments of that interface. An object
// without the member keeps the interface's default body.
class SubclassListenerForwarder final : public cSubclassListener, private ole::DispatchForwarder {
public:
    explicit SubclassListenerForwarder(ole::Ptr<ole::Object> target);

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;
};

} // namespace shared

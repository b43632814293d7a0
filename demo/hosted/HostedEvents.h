#pragma once

#include "platform/forms/control/Control.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace sampledesk {

// The events of one hosted control, bound by event name through the control's type information,
// as a host compiled against its type library binds them. Disconnects when it goes.
class HostedEvents {
public:
    HostedEvents() = default;
    explicit HostedEvents(ole::Ptr<forms::Control> control);
    ~HostedEvents();
    HostedEvents(const HostedEvents&) = delete;
    HostedEvents& operator=(const HostedEvents&) = delete;

    // 438 when the control raises no event of that name.
    HostedEvents& On(std::string_view event, ole::EventSink::Handler handler);
    void Disconnect();

private:
    ole::Ptr<forms::Control> m_control;
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
};

} // namespace sampledesk

#include "HostedEvents.h"

#include "platform/forms/host/Extender.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/ConnectionPoint.h"

namespace sampledesk {

HostedEvents::HostedEvents(ole::Ptr<forms::Control> control)
    : m_control(std::move(control)), m_sink(ole::EventSink::Create()) {
    m_cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(m_control), m_sink);
}

HostedEvents::~HostedEvents() {
    Disconnect();
}

HostedEvents& HostedEvents::On(std::string_view event, ole::EventSink::Handler handler) {
    const auto extender = ole::PtrCast<forms::Extender>(m_control);
    const ole::Object& inner = extender && extender->Inner()
                                   ? static_cast<const ole::Object&>(*extender->Inner())
                                   : static_cast<const ole::Object&>(*m_control);
    const ole::DISPID id = inner.GetClassInfo().EventIdOfName(event);
    if (id == ole::DISPID_UNKNOWN)
        ole::RaiseError(ole::ERR_NO_MEMBER);
    m_sink->On(id, std::move(handler));
    return *this;
}

void HostedEvents::Disconnect() {
    if (m_cookie != 0)
        ole::DisconnectEvents(ole::Ptr<ole::Object>(m_control), m_cookie);
    m_cookie = 0;
    m_control = nullptr;
}

} // namespace sampledesk

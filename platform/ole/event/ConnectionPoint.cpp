#include "platform/ole/event/ConnectionPoint.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"

#include <algorithm>

namespace ole {

uint32_t ConnectionPoint::Advise(Ptr<Object> sink, EventBinding binding) {
    if (!sink)
        RaiseError(ERR_OBJECT_NOT_SET);
    const uint32_t cookie = m_nextCookie++;
    m_sinks.push_back(Connection{cookie, std::move(sink), binding});
    return cookie;
}

bool ConnectionPoint::Unadvise(uint32_t cookie) {
    const auto it = std::find_if(m_sinks.begin(), m_sinks.end(),
                                 [&](const Connection& c) { return c.cookie == cookie; });
    if (it == m_sinks.end())
        return false;
    // The sink may be the last reference to objects whose destructors touch this list.
    Ptr<Object> keep = std::move(it->sink);
    m_sinks.erase(it);
    return true;
}

void ConnectionPoint::UnadviseAll() {
    std::vector<Connection> sinks = std::move(m_sinks);
    m_sinks.clear();
}

bool ConnectionPoint::IsConnected(uint32_t cookie) const {
    return std::any_of(m_sinks.begin(), m_sinks.end(),
                       [&](const Connection& c) { return c.cookie == cookie; });
}

void ConnectionPoint::Raise(std::string_view eventName, std::span<Variant> args) {
    const DISPID id = m_source->EventIdOfName(eventName);
    if (id == DISPID_UNKNOWN)
        RaiseError(ERR_NO_MEMBER);
    Raise(id, args);
}

void ConnectionPoint::Raise(DISPID eventId, std::span<Variant> args) {
    const EventInfo* event = m_source->FindEvent(eventId);
    if (!event)
        RaiseError(ERR_NO_MEMBER);
    if (m_sinks.empty())
        return;

    const Ptr<Object> keepAlive(m_owner);
    const std::vector<Connection> snapshot = m_sinks;
    std::vector<Variant> sinkArgs(args.size());
    for (const Connection& connection : snapshot) {
        const DISPID member =
            connection.binding == EventBinding::ById ? event->id : event->position;
        if (!IsConnected(connection.cookie) || !connection.sink->HasMember(member))
            continue;
        for (size_t i = 0; i < args.size(); ++i) {
            const bool byRef = i < event->params.size() && event->params[i].byRef;
            sinkArgs[i] = byRef ? Variant::ByRef(args[i]) : args[i].Deref();
        }
        try {
            connection.sink->Invoke(member, DISPATCH_METHOD, sinkArgs);
        } catch (...) {
            ReportCurrentException();
        }
    }
}

uint32_t ConnectEvents(const Ptr<Object>& source, Ptr<Object> sink, EventBinding binding) {
    auto* events = dynamic_cast<EventSource*>(source.Get());
    if (!events)
        RaiseError(ERR_NO_MEMBER);
    return events->Events().Advise(std::move(sink), binding);
}

bool DisconnectEvents(const Ptr<Object>& source, uint32_t cookie) {
    auto* events = dynamic_cast<EventSource*>(source.Get());
    return events && events->Events().Unadvise(cookie);
}

} // namespace ole

#include "platform/ole/event/EventSink.h"

namespace ole {

EventSink& EventSink::On(DISPID member, Handler handler) {
    m_handlers[member] = std::move(handler);
    return *this;
}

Variant EventSink::Invoke(DISPID id, uint16_t kinds, std::span<Variant> args) {
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end() || (kinds & DISPATCH_METHOD) == 0)
        return Variant();
    // A copy: the handler may replace itself or disconnect the sink while running.
    const Handler handler = it->second;
    handler(args);
    return Variant();
}

const ClassInfo& EventSink::Info() {
    static const ClassInfo info = ClassBuilder<EventSink>("EventSink").Build();
    return info;
}

} // namespace ole

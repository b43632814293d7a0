#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <functional>
#include <map>
#include <span>

namespace ole {

// A sink built from C++ callables, for code that wants to listen to an object's events without
// declaring a class: `sink->On(id, [](std::span<Variant> args) { ... })`. Events without a handler
// are ignored, as a sink that implements only some members would.
class EventSink : public Object {
public:
    using Handler = std::function<void(std::span<Variant> args)>;

    static Ptr<EventSink> Create() { return MakeObject<EventSink>(); }

    EventSink& On(DISPID member, Handler handler);

    Variant Invoke(DISPID id, uint16_t kinds, std::span<Variant> args) override;
    bool HasMember(DISPID id) const override { return m_handlers.contains(id); }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::map<DISPID, Handler> m_handlers;
};

} // namespace ole

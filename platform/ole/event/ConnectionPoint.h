#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ole {

// How a sink's members are matched to events: by event id, or by the event's declaration position
// (the sink is invoked with the position as member id).
enum class EventBinding { ById, ByPosition };

// One source interface of an object: connected sinks, called synchronously in connection order.
//
// Raising, per sink:
//   1. sinks connected during the raise are not called (the raise walks a snapshot);
//   2. a sink disconnected during the raise, by itself or another sink, is not called afterwards,
//      nor is a sink without a member for the event;
//   3. by-reference parameters reach each sink as references to the raiser's array, so each sink
//      sees the previous sinks' writes and the raiser reads the final values;
//   4. an error escaping a sink is reported (ReportUnhandledError) and the next sink is called.
class ConnectionPoint {
public:
    // `source` declares the events (ids, positions, by-reference parameters). With an `owner`, a
    // raise holds a reference to it, so a sink that drops the last outside reference does not
    // destroy the object (and this connection point) while it is still raising.
    explicit ConnectionPoint(const ClassInfo& source, Object* owner = nullptr)
        : m_source(&source), m_owner(owner) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    const ClassInfo& Source() const { return *m_source; }

    // Returns a cookie, never 0.
    uint32_t Advise(Ptr<Object> sink, EventBinding binding = EventBinding::ById);
    // False when the cookie is not connected.
    bool Unadvise(uint32_t cookie);
    void UnadviseAll();
    size_t SinkCount() const { return m_sinks.size(); }

    // `args` in declaration order; by-reference parameters are updated in place. An event the
    // source does not declare raises 438 (a fault of the raiser, not of a sink).
    void Raise(DISPID eventId, std::span<Variant> args = {});
    void Raise(std::string_view eventName, std::span<Variant> args = {});

private:
    struct Connection {
        uint32_t cookie;
        Ptr<Object> sink;
        EventBinding binding;
    };

    bool IsConnected(uint32_t cookie) const;

    const ClassInfo* m_source;
    Object* m_owner;
    std::vector<Connection> m_sinks;
    uint32_t m_nextCookie = 1;
};

// Implemented by objects that raise events, so that any object can attach at run time.
class EventSource {
public:
    virtual ConnectionPoint& Events() = 0;

protected:
    ~EventSource() = default;
};

// Connects `sink` to the events of `source`; 438 when the source raises none.
uint32_t ConnectEvents(const Ptr<Object>& source, Ptr<Object> sink,
                       EventBinding binding = EventBinding::ById);
bool DisconnectEvents(const Ptr<Object>& source, uint32_t cookie);

} // namespace ole

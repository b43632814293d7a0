#pragma once

#include "platform/ole/object/Object.h"

#include <span>
#include <string_view>

namespace ole {

// The other half of a host-implemented interface. Each such interface is an abstract C++ class
// with default bodies, plus an adapter deriving from it and from DispatchForwarder that forwards
// every call to a foreign object's member ids:
//
//   class ListenerAdapter : public Listener, DispatchForwarder {
//       void Changed(std::string& key) override { Variant k(key); Call(1, k, /*byRef*/); ... }
//   };
//
// so host objects written against the automation interface work. Calls may fail with the foreign
// object's errors; the caller catches them as its own rules say.
class DispatchForwarder {
public:
    explicit DispatchForwarder(Ptr<Object> target) : m_target(std::move(target)) {}

    const Ptr<Object>& Target() const { return m_target; }
    // Whether the foreign object has the member at all, to keep the C++ default otherwise.
    bool Implements(DISPID id) const;

    // A method call; by-reference arguments (Variant::ByRef) are written back.
    Variant Call(DISPID id, std::span<Variant> args = {}) const;
    Variant Get(DISPID id, std::span<Variant> args = {}) const;
    void Let(DISPID id, const Variant& value) const;

private:
    Ptr<Object> m_target;
};

} // namespace ole

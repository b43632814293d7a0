#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"

#include <string>
#include <vector>

namespace forms::test {

// A sink that records every event of the object it is attached to, as "Name" or
// "Name(arg, arg)" with the arguments' text (by-reference values as they arrived).
class EventRecorder final : public ole::Object {
public:
    // Connects to `source`'s events; detached by Detach or when the recorder goes.
    static ole::Ptr<EventRecorder> Attach(const ole::Ptr<ole::Object>& source);

    const std::vector<std::string>& Log() const { return m_log; }
    // Only the event names, in order.
    std::vector<std::string> Names() const;
    void Clear() { m_log.clear(); }
    void Detach();

    ole::Variant Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) override;
    bool HasMember(ole::DISPID) const override { return true; }
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    explicit EventRecorder(const ole::ClassInfo& source) : m_source(&source) {}

private:
    const ole::ClassInfo* m_source;
    // Weak: the source holds the recorder.
    ole::WeakRef<ole::Object> m_attachedTo;
    uint32_t m_cookie = 0;
    std::vector<std::string> m_log;
};

} // namespace forms::test

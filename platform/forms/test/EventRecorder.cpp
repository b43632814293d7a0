#include "platform/forms/test/EventRecorder.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/ConnectionPoint.h"

namespace forms::test {

namespace {

std::string TextOf(const ole::Variant& value) {
    const ole::Variant& v = value.Deref();
    if (v.IsObject())
        return v.IsNothing() ? "Nothing" : "Object";
    try {
        return ole::ChangeType(v, ole::VT_BSTR).AsString();
    } catch (...) {
        return "?";
    }
}

} // namespace

ole::Ptr<EventRecorder> EventRecorder::Attach(const ole::Ptr<ole::Object>& source) {
    auto* events = dynamic_cast<ole::EventSource*>(source.Get());
    if (!events)
        return nullptr;
    auto recorder = ole::MakeObject<EventRecorder>(events->Events().Source());
    recorder->m_cookie = ole::ConnectEvents(source, recorder);
    recorder->m_attachedTo = ole::WeakRef<ole::Object>(source);
    return recorder;
}

void EventRecorder::Detach() {
    if (const auto source = m_attachedTo.Lock())
        ole::DisconnectEvents(source, m_cookie);
    m_attachedTo.Reset();
}

const ole::ClassInfo& EventRecorder::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<EventRecorder>("EventRecorder").Library("FormsTest").Build();
    return info;
}

std::vector<std::string> EventRecorder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : m_log)
        names.push_back(entry.substr(0, entry.find('(')));
    return names;
}

ole::Variant EventRecorder::Invoke(ole::DISPID id, uint16_t, std::span<ole::Variant> args) {
    const ole::EventInfo* event = m_source->FindEvent(id);
    std::string entry = event ? event->name : "#" + std::to_string(id);
    if (!args.empty()) {
        entry += "(";
        for (size_t i = 0; i < args.size(); ++i)
            entry += (i ? ", " : "") + TextOf(args[i]);
        entry += ")";
    }
    m_log.push_back(std::move(entry));
    return ole::Variant();
}

} // namespace forms::test

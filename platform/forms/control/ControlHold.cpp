#include "platform/forms/control/ControlHold.h"

#include "platform/base/TextCase.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/TypeName.h"

namespace forms {

ControlHold::ControlHold(std::string className, ole::Ptr<ole::Object> sink)
    : m_className(std::move(className)), m_sink(std::move(sink)) {}

ControlHold::~ControlHold() {
    Disconnect();
}

void ControlHold::Assign(const ole::Ptr<ole::Object>& control) {
    if (control && !base::EqualsNoCase(ole::TypeName(control.Get()), m_className))
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    if (ole::Is(control, m_control))
        return;
    Disconnect();
    m_control = control;
    if (m_control && m_sink)
        m_cookie = ole::ConnectEvents(m_control, m_sink);
}

void ControlHold::Disconnect() {
    if (m_control && m_cookie)
        ole::DisconnectEvents(m_control, m_cookie);
    m_cookie = 0;
    m_control = nullptr;
}

} // namespace forms

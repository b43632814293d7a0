#pragma once

#include "platform/ole/object/Object.h"

#include <cstdint>
#include <string>

namespace forms {

// A variable typed as one control class that listens to the control's events, as a wrapper
// object holds the control it answers for. Assigning a control of another class (or an object
// that is not that class) raises 13 and keeps the current one; Nothing lets go. The sink is
// connected to whatever the hold holds, alongside every other sink of the control, and
// disconnected when the hold changes or goes.
class ControlHold {
public:
    // `className` as TypeName gives it ("CommandButton"), matched without regard to case.
    ControlHold(std::string className, ole::Ptr<ole::Object> sink);
    ~ControlHold();
    ControlHold(const ControlHold&) = delete;
    ControlHold& operator=(const ControlHold&) = delete;

    const ole::Ptr<ole::Object>& Get() const { return m_control; }
    void Assign(const ole::Ptr<ole::Object>& control);

private:
    void Disconnect();

    std::string m_className;
    ole::Ptr<ole::Object> m_sink;
    ole::Ptr<ole::Object> m_control;
    uint32_t m_cookie = 0;
};

} // namespace forms

#pragma once

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/dispatch/ClassBuilder.h"

namespace forms {

// Declarations of the events the control base translates from window messages, with the
// parameters it raises them with. Each control class picks the groups its table lists.

template <class C>
ole::ClassBuilder<C>& AddClickEvents(ole::ClassBuilder<C>& b) {
    return b.Event("Click", eventid::Click).Event("DblClick", eventid::DblClick);
}

template <class C>
ole::ClassBuilder<C>& AddMouseEvents(ole::ClassBuilder<C>& b) {
    const std::vector<ole::EventParam> params = {
        {"Button", ole::VT_I2}, {"Shift", ole::VT_I2}, {"X", ole::VT_R4}, {"Y", ole::VT_R4}};
    return b.Event("MouseDown", eventid::MouseDown, params)
        .Event("MouseMove", eventid::MouseMove, params)
        .Event("MouseUp", eventid::MouseUp, params);
}

template <class C>
ole::ClassBuilder<C>& AddKeyEvents(ole::ClassBuilder<C>& b) {
    return b
        .Event("KeyDown", eventid::KeyDown, {{"KeyCode", ole::VT_I2, true}, {"Shift", ole::VT_I2}})
        .Event("KeyPress", eventid::KeyPress, {{"KeyAscii", ole::VT_I2, true}})
        .Event("KeyUp", eventid::KeyUp, {{"KeyCode", ole::VT_I2, true}, {"Shift", ole::VT_I2}});
}

template <class C>
ole::ClassBuilder<C>& AddFocusEvents(ole::ClassBuilder<C>& b) {
    return b.Event("GotFocus", eventid::GotFocus).Event("LostFocus", eventid::LostFocus);
}

} // namespace forms

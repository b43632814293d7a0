#include "platform/forms/controls/buttons/CheckBox.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace forms {

ole::Ptr<CheckBox> CheckBox::Create() {
    return ole::MakeObject<CheckBox>();
}

CheckBox::CheckBox() : ButtonBase(kButtonFace, kButtonText) {}

const ole::ClassInfo& CheckBox::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<CheckBox> b("CheckBox");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F91}")
            .Interface("ICheckBox", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F92}", ole::TYPEFLAG_FDUAL)
            .EventInterface("CheckBoxEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F93}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Caption", dispid::Caption, &CheckBox::Caption, &CheckBox::SetCaption,
                   ole::Persisted(ole::Variant("")));
        AddTextMembers(b);
        b.Property("Value", Value, &CheckBox::GetValue, &CheckBox::SetValue,
                   ole::Persisted(ole::Variant(int16_t{0})));
        b.Event("Click", eventid::Click);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

int16_t CheckBox::GetValue() const {
    if (!IsAlive())
        return m_value;
    return static_cast<int16_t>(win::SendMessageA(Window(), win::BM_GETCHECK, 0, 0));
}

void CheckBox::SetValue(int16_t value) {
    if (value < 0 || value > 2)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (value == GetValue())
        return;
    m_value = value;
    if (IsAlive())
        win::SendMessageA(Window(), win::BM_SETCHECK, static_cast<win::WPARAM>(value), 0);
    RaiseEvent(eventid::Click);
}

win::DWORD CheckBox::ButtonStyle() const {
    // Three states for Value, but not automatic: the user toggles between 0 and 1 only.
    return win::BS_3STATE;
}

void CheckBox::OnClicked() {
    const int16_t toggled = GetValue() == 1 ? 0 : 1;
    m_value = toggled;
    win::SendMessageA(Window(), win::BM_SETCHECK, static_cast<win::WPARAM>(toggled), 0);
    RaiseEvent(eventid::Click);
}

void CheckBox::OnWindowCreated() {
    ButtonBase::OnWindowCreated();
    win::SendMessageA(Window(), win::BM_SETCHECK, static_cast<win::WPARAM>(m_value), 0);
}

win::LRESULT CheckBox::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_DESTROY)
        m_value = GetValue();
    return ButtonBase::WindowProc(msg, wParam, lParam);
}

} // namespace forms

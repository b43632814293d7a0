#include "platform/forms/controls/buttons/OptionButton.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace forms {

ole::Ptr<OptionButton> OptionButton::Create() {
    return ole::MakeObject<OptionButton>();
}

OptionButton::OptionButton() : ButtonBase(kButtonFace, kButtonText) {}

const ole::ClassInfo& OptionButton::Info() {
    static const ole::ClassInfo info = [] {
        using O = OptionButton;
        ole::ClassBuilder<OptionButton> b("OptionButton");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FA1}")
            .Interface("IOptionButton", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FA2}",
                       ole::TYPEFLAG_FDUAL)
            .EventInterface("OptionButtonEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FA3}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Caption", dispid::Caption, &O::Caption, &O::SetCaption,
                   ole::Persisted(ole::Variant("")));
        AddTextMembers(b);
        b.Property("Value", Value, &O::GetValue, &O::SetValue, ole::Persisted(ole::Variant(false)));
        b.Event("Click", eventid::Click);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

bool OptionButton::GetValue() const {
    if (!IsAlive())
        return m_value;
    return win::SendMessageA(Window(), win::BM_GETCHECK, 0, 0) == win::BST_CHECKED;
}

void OptionButton::Check(bool value) {
    m_value = value;
    if (IsAlive())
        win::SendMessageA(Window(), win::BM_SETCHECK, value ? win::BST_CHECKED : win::BST_UNCHECKED,
                          0);
}

void OptionButton::SetValue(bool value) {
    if (value == GetValue())
        return;
    if (value) {
        if (ControlContainer* container = ContainerSite()) {
            for (const auto& sibling : container->ChildControls()) {
                if (auto* option = dynamic_cast<OptionButton*>(sibling.Get());
                    option && option != this)
                    option->Check(false);
            }
        }
    }
    Check(value);
    if (value)
        RaiseEvent(eventid::Click);
}

win::DWORD OptionButton::ButtonStyle() const {
    return win::BS_AUTORADIOBUTTON;
}

void OptionButton::OnWindowCreated() {
    ButtonBase::OnWindowCreated();
    Check(m_value);
}

win::LRESULT OptionButton::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_DESTROY)
        m_value = GetValue();
    return ButtonBase::WindowProc(msg, wParam, lParam);
}

} // namespace forms

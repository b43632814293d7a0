#include "platform/forms/controls/buttons/CommandButton.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/forms/form/Form.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace forms {

ole::Ptr<CommandButton> CommandButton::Create() {
    return ole::MakeObject<CommandButton>();
}

CommandButton::CommandButton() : ButtonBase(kButtonFace, kButtonText) {}

const ole::ClassInfo& CommandButton::Info() {
    static const ole::ClassInfo info = [] {
        using C = CommandButton;
        ole::ClassBuilder<CommandButton> b("CommandButton");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F81}")
            .Interface("ICommandButton", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F82}",
                       ole::TYPEFLAG_FDUAL)
            .EventInterface("CommandButtonEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F83}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Caption", dispid::Caption, &C::Caption, &C::SetCaption,
                   ole::Persisted(ole::Variant("")));
        AddTextMembers(b, false);
        b.Property("Default", dispid::Default, &C::Default, &C::SetDefault,
                   ole::Persisted(ole::Variant(false)))
            .Property("Cancel", dispid::Cancel, &C::Cancel, &C::SetCancel,
                      ole::Persisted(ole::Variant(false)));
        b.Event("Click", eventid::Click);
        AddMouseEvents(b);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

void CommandButton::ForEachOtherButton(const std::function<void(CommandButton&)>& action) {
    if (Form* form = HostForm()) {
        for (const auto& control : form->ControlList()) {
            if (auto* other = dynamic_cast<CommandButton*>(control.Get()); other && other != this)
                action(*other);
        }
    }
}

void CommandButton::SetDefault(bool value) {
    if (value) {
        ForEachOtherButton([](CommandButton& other) {
            if (other.m_default) {
                other.m_default = false;
                other.ApplyStyle();
            }
        });
    }
    m_default = value;
    ApplyStyle();
}

void CommandButton::SetCancel(bool value) {
    if (value)
        ForEachOtherButton([](CommandButton& other) { other.m_cancel = false; });
    m_cancel = value;
}

win::DWORD CommandButton::ButtonStyle() const {
    return m_default ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON;
}

void CommandButton::ApplyStyle() {
    if (IsAlive())
        win::SendMessageA(Window(), win::BM_SETSTYLE, ButtonStyle(), win::TRUE);
}

std::optional<win::LRESULT> CommandButton::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                       win::LPARAM lParam) {
    // The face keeps the system colours: the container's default answer.
    if (msg == win::WM_CTLCOLORBTN)
        return std::nullopt;
    return ButtonBase::OnReflected(msg, wParam, lParam);
}

} // namespace forms

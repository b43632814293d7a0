#include "ControlWrapper.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/TypeName.h"
#include "platform/ole/object/WeakRef.h"

#include <array>

namespace sampledesk {

namespace {

constexpr std::array<WrapperKind, 9> kKinds{{
    {"CommandButton", "Caption"},
    {"CheckBox", "Caption"},
    {"Frame", "Caption"},
    {"Label", "Caption"},
    {"OptionButton", "Caption"},
    {"PictureBox", "Name"},
    {"TextBox", "Text"},
    {"ListBox", "Name", true},
    {"ComboBox", "Name", true},
}};

} // namespace

const WrapperKind* ControlWrapper::KindOf(std::string_view typeName) {
    for (const WrapperKind& kind : kKinds)
        if (kind.typeName == typeName)
            return &kind;
    return nullptr;
}

ole::Ptr<ControlWrapper> ControlWrapper::Create(const WrapperKind& kind) {
    return ole::MakeObject<ControlWrapper>(kind);
}

const ole::ClassInfo& ControlWrapper::Info() {
    static const ole::ClassInfo info = ole::ClassBuilder<ControlWrapper>("IControlWrapper").Build();
    return info;
}

ControlWrapper::~ControlWrapper() {
    Disconnect();
}

void ControlWrapper::SetControl(ole::Ptr<forms::Control> control) {
    if (ole::TypeName(control.Get()) != m_kind.typeName)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    Disconnect();
    m_control = std::move(control);
    auto sink = ole::EventSink::Create();
    const ole::WeakRef<ControlWrapper> self(this);
    sink->On(m_control->GetClassInfo().EventIdOfName("Click"), [self](std::span<ole::Variant>) {
        if (auto wrapper = self.Lock())
            wrapper->OnClick();
    });
    m_cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(m_control), sink);
    if (m_kind.addsOwnName) {
        const ole::Variant target{ole::Ptr<ole::Object>(m_control)};
        std::array<ole::Variant, 1> item{ole::GetProperty(target, "Name")};
        ole::CallMethod(target, "AddItem", item);
    }
}

void ControlWrapper::OnClick() {
    const ole::Variant target{ole::Ptr<ole::Object>(m_control)};
    const std::string shown = ole::CStr(ole::GetProperty(target, m_kind.shownMember));
    forms::MsgBox(shown + " Clicked", forms::vbInformation,
                  ole::CStr(ole::GetProperty(target, "Name")));
}

void ControlWrapper::Disconnect() {
    if (m_cookie != 0)
        ole::ResumeNext([&] { ole::DisconnectEvents(ole::Ptr<ole::Object>(m_control), m_cookie); });
    m_cookie = 0;
}

} // namespace sampledesk

#include "platform/forms/host/Ambient.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"

namespace forms {

namespace {

// The container the control is sited in; null before siting.
ControlContainer* SiteOf(const ole::WeakRef<UserControl>& control) {
    const auto inner = control.Lock();
    if (!inner)
        return nullptr;
    const auto extender = inner->GetExtender();
    return extender ? extender->ContainerSite() : nullptr;
}

} // namespace

ole::Ptr<Ambient> Ambient::Create(const UserControl& control) {
    return ole::MakeObject<Ambient>(control);
}

Ambient::Ambient(const UserControl& control) : m_control(&control) {}

const ole::ClassInfo& Ambient::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<Ambient>("AmbientProperties")
            .Library("VB")
            .Get("UserMode", -709, &Ambient::UserMode)
            .Get("ScaleUnits", -707, &Ambient::ScaleUnits)
            .Get("Font", -703, &Ambient::Font, ole::Typed("Font"))
            .Get("ForeColor", -704, &Ambient::ForeColor, ole::Typed("OLE_COLOR"))
            .Get("BackColor", -701, &Ambient::BackColor, ole::Typed("OLE_COLOR"))
            .Get("DisplayName", -702, &Ambient::DisplayName)
            .Build();
    return info;
}

bool Ambient::UserMode() const {
    if (m_userMode)
        return *m_userMode;
    const ControlContainer* site = SiteOf(m_control);
    return site ? site->AmbientUserMode() : true;
}

std::string Ambient::ScaleUnits() const {
    if (m_scaleUnits)
        return *m_scaleUnits;
    const ControlContainer* site = SiteOf(m_control);
    const forms::ScaleMode mode = site ? site->ChildScale().Mode() : forms::ScaleMode::Twips;
    return std::string(ScaleUnitsName(mode));
}

ole::Ptr<ole::Font> Ambient::Font() const {
    if (m_font)
        return m_font->Clone();
    const ControlContainer* site = SiteOf(m_control);
    const auto font = site ? site->AmbientFont() : nullptr;
    return font ? font->Clone() : ole::Font::Create();
}

OLE_COLOR Ambient::ForeColor() const {
    const ControlContainer* site = SiteOf(m_control);
    return site ? site->AmbientForeColor() : kButtonText;
}

OLE_COLOR Ambient::BackColor() const {
    const ControlContainer* site = SiteOf(m_control);
    return site ? site->AmbientBackColor() : kButtonFace;
}

std::string Ambient::DisplayName() const {
    const auto inner = m_control.Lock();
    const auto extender = inner ? inner->GetExtender() : nullptr;
    return extender ? extender->Name() : std::string();
}

} // namespace forms

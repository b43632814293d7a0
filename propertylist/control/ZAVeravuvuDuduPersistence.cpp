#include "propertylist/control/ZAVeravuvuDudu.h"

#include "shared/util/FontUtils.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/error/ResumeNext.h"

namespace attrgrid {

using ole::ResumeNext;

// The persisted properties, their keys and defaults are declared in the class table
// (ZAVeravuvuDuduInfo.cpp); these handlers add what is the control's own around the walks.

void ZAVeravuvuDudu::OnInitProperties() {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { InitRuntime(); });
    ResumeNext([&] { ApplyScaleUnits(GetAmbient()->ScaleUnits()); });
    StartFromDefaults();
}

// A new control gets its defaults through the setters, so each does its extra work. The font is
// copied in first without the setter; its default is then equal to it and sets nothing.
void ZAVeravuvuDudu::StartFromDefaults() {
    ResumeNext([&] {
        if (ole::Ptr<ole::Font> ambient = GetAmbient()->Font(); ambient && m_Font)
            shared::CopyFont(*m_Font, *ambient);
    });
    ole::InitPersistedProperties(*this);
}

ole::Ptr<ole::Font> ZAVeravuvuDudu::DefaultFont() {
    return GetAmbient()->Font();
}

float ZAVeravuvuDudu::DefaultIndentation() const {
    return PixelsToScaleX(10.0F);
}

void ZAVeravuvuDudu::OnReadProperties(ole::PropertyBag& bag) {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { InitRuntime(); });
    // An entry that cannot be read or is refused leaves its property at the default.
    StartFromDefaults();
    ole::ReadPersistedProperties(*this, bag);
}

// Fields are written even after the teardown; objects the teardown released are skipped.
void ZAVeravuvuDudu::OnWriteProperties(ole::PropertyBag& bag) {
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ole::WritePersistedProperties(*this, bag);
}

} // namespace attrgrid

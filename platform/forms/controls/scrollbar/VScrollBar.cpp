#include "platform/forms/controls/scrollbar/VScrollBar.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"

namespace forms {

ole::Ptr<VScrollBar> VScrollBar::Create() {
    return ole::MakeObject<VScrollBar>();
}

const ole::ClassInfo& VScrollBar::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<VScrollBar> b("VScrollBar");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F21}")
            .Interface("IVScrollBar", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F22}", ole::TYPEFLAG_FDUAL)
            .EventInterface("VScrollBarEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F23}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Min", Min, &VScrollBar::GetMin, &VScrollBar::SetMin)
            .Property("Max", Max, &VScrollBar::GetMax, &VScrollBar::SetMax)
            .Property("Value", Value, &VScrollBar::GetValue, &VScrollBar::SetValue)
            .Property("SmallChange", SmallChange, &VScrollBar::GetSmallChange,
                      &VScrollBar::SetSmallChange)
            .Property("LargeChange", LargeChange, &VScrollBar::GetLargeChange,
                      &VScrollBar::SetLargeChange);
        b.Event("Change", eventid::Change).Event("Scroll", eventid::Scroll);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

} // namespace forms

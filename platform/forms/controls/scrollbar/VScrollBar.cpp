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
        AddScrollBarMembers(b);
        b.Event("Change", eventid::Change).Event("Scroll", eventid::Scroll);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

} // namespace forms

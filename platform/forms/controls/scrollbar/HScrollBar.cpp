#include "platform/forms/controls/scrollbar/HScrollBar.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"

namespace forms {

ole::Ptr<HScrollBar> HScrollBar::Create() {
    return ole::MakeObject<HScrollBar>();
}

const ole::ClassInfo& HScrollBar::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<HScrollBar> b("HScrollBar");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F41}")
            .Interface("IHScrollBar", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F42}", ole::TYPEFLAG_FDUAL)
            .EventInterface("HScrollBarEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F43}");
        AddCommonMembers(b, CommonMembers::All);
        AddScrollBarMembers(b);
        b.Event("Change", eventid::Change).Event("Scroll", eventid::Scroll);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

} // namespace forms

#pragma once

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/forms/controls/scrollbar/ScrollBarControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <string>
#include <string_view>

namespace forms {

// The identifiers that tell the two scroll bar classes apart.
struct ScrollBarClassIds {
    std::string_view classId;
    std::string_view interfaceId;
    std::string_view eventInterfaceId;
};

// The class table both scroll bars share; only the name ("HScrollBar", "VScrollBar") and the ids
// differ. The interfaces are named "I<name>" and "<name>Events".
template <class C>
ole::ClassInfo BuildScrollBarInfo(const std::string& name, const ScrollBarClassIds& ids) {
    ole::ClassBuilder<C> b(name);
    b.Library("VB")
        .ClassId(ids.classId)
        .Interface("I" + name, ids.interfaceId, ole::TYPEFLAG_FDUAL)
        .EventInterface(name + "Events", ids.eventInterfaceId);
    AddCommonMembers(b, CommonMembers::All);
    AddScrollBarMembers(b);
    b.Event("Change", eventid::Change).Event("Scroll", eventid::Scroll);
    AddFocusEvents(b);
    return b.Build();
}

} // namespace forms

#pragma once

#include "platform/forms/controls/scrollbar/ScrollBarControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace forms {

// The vertical scroll bar control: Min at the top.
class VScrollBar final : public ScrollBarControl {
public:
    static ole::Ptr<VScrollBar> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    VScrollBar() : ScrollBarControl(true) {}
};

} // namespace forms

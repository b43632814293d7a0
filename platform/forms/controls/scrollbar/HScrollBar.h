#pragma once

#include "platform/forms/controls/scrollbar/ScrollBarControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace forms {

// The horizontal scroll bar control: Min at the left.
class HScrollBar final : public ScrollBarControl {
public:
    static ole::Ptr<HScrollBar> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    HScrollBar() : ScrollBarControl(false) {}
};

} // namespace forms

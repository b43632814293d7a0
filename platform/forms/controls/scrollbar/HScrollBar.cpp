#include "platform/forms/controls/scrollbar/HScrollBar.h"

#include "platform/forms/controls/scrollbar/ScrollBarClassInfo.h"

namespace forms {

ole::Ptr<HScrollBar> HScrollBar::Create() {
    return ole::MakeObject<HScrollBar>();
}

const ole::ClassInfo& HScrollBar::Info() {
    static const ole::ClassInfo info =
        BuildScrollBarInfo<HScrollBar>("HScrollBar", {"{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F41}",
                                                      "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F42}",
                                                      "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F43}"});
    return info;
}

} // namespace forms

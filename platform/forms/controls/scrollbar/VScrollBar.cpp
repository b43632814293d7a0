#include "platform/forms/controls/scrollbar/VScrollBar.h"

#include "platform/forms/controls/scrollbar/ScrollBarClassInfo.h"

namespace forms {

ole::Ptr<VScrollBar> VScrollBar::Create() {
    return ole::MakeObject<VScrollBar>();
}

const ole::ClassInfo& VScrollBar::Info() {
    static const ole::ClassInfo info =
        BuildScrollBarInfo<VScrollBar>("VScrollBar", {"{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F21}",
                                                      "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F22}",
                                                      "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F23}"});
    return info;
}

} // namespace forms

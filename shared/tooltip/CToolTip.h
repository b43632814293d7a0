#pragma once

#include "shared/tooltip/CTooltip.h"

namespace shared {

// The tooltip wrapper of the colour picker and list box: moving the tip leaves its z-order
// alone, because their drop-down is made topmost after its tip and raises the tip itself.
class CToolTip : public CTooltip {
public:
    CToolTip() : CTooltip(TooltipZOrder::Keep) {}
};

} // namespace shared

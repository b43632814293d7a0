#include "propertylist/control/paint/CellOrigin.h"

#include "shared/util/SystemInfo.h"

namespace attrgrid {

void OffsetCellOrigin(win::HDC hdc, int x, int y) {
    if (shared::IsWin95() || shared::IsWinNT4())
        win::OffsetWindowOrgEx(hdc, -x, -y, nullptr);
    else
        win::OffsetViewportOrgEx(hdc, x, y, nullptr);
}

} // namespace attrgrid

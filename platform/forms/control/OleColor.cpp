#include "platform/forms/control/OleColor.h"

#include "platform/win/system/SysColors.h"

namespace forms {

win::COLORREF TranslateColor(OLE_COLOR color) {
    if ((color & 0x80000000u) != 0)
        return win::GetSysColor(static_cast<int>(color & 0xFFu));
    return color & 0x00FFFFFFu;
}

} // namespace forms

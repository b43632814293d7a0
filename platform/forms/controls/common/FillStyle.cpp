#include "platform/forms/controls/common/FillStyle.h"

#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/GdiConstants.h"

namespace forms {

void CheckFillStyle(int16_t fillStyle) {
    if (fillStyle < 0 || fillStyle > 7)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
}

win::HBRUSH CreateFillBrush(int16_t fillStyle, OLE_COLOR color) {
    static constexpr int kHatches[] = {win::HS_HORIZONTAL, win::HS_VERTICAL, win::HS_BDIAGONAL,
                                       win::HS_FDIAGONAL,  win::HS_CROSS,    win::HS_DIAGCROSS};
    const win::COLORREF rgb = TranslateColor(color);
    if (fillStyle == 0)
        return win::CreateSolidBrush(rgb);
    if (fillStyle < 2 || fillStyle > 7)
        return {};
    return win::CreateHatchBrush(kHatches[fillStyle - 2], rgb);
}

} // namespace forms

#include "platform/win/gdi/Pens.h"

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/detail/Pen.h"

#include <memory>

namespace win {

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        style = PS_SOLID;
    }
    return HPEN(gdi::GdiObjects::Add(std::make_unique<gdi::Pen>(style, width, color)));
}

} // namespace win

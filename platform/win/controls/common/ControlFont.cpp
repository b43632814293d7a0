#include "platform/win/controls/common/ControlFont.h"

#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"

#include <algorithm>

namespace win::controls {

HFONT ControlFont::Usable() const {
    if (m_font && GetObjectType(HGDIOBJ(m_font)) == OBJ_FONT) {
        return m_font;
    }
    return {};
}

int ControlFont::LineHeight(HWND hwnd, int fallback) const {
    const WindowDc dc(hwnd);
    if (!dc.Get()) {
        return fallback;
    }
    const SelectedObject font(dc.Get(), HGDIOBJ(Usable()));
    TEXTMETRICA metrics;
    return GetTextMetricsA(dc.Get(), &metrics) ? std::max(1, static_cast<int>(metrics.tmHeight))
                                               : fallback;
}

} // namespace win::controls

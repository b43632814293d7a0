#include "platform/win/controls/common/ControlFont.h"

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/Objects.h"

namespace win::controls {

HFONT ControlFont::Usable() const {
    if (m_font && GetObjectType(HGDIOBJ(m_font)) == OBJ_FONT) {
        return m_font;
    }
    return {};
}

FontSelection::FontSelection(HDC hdc, const ControlFont& font) : m_hdc(hdc) {
    if (const HFONT usable = font.Usable()) {
        m_previous = SelectObject(hdc, HGDIOBJ(usable));
    }
}

FontSelection::~FontSelection() {
    if (m_previous) {
        SelectObject(m_hdc, m_previous);
    }
}

} // namespace win::controls

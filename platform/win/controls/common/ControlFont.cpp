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

} // namespace win::controls

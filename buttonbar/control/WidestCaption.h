#pragma once

#include "buttonbar/model/CButtons.h"

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

namespace shelfstrip {

// The widest caption among one collection's buttons that take part, measured once and kept until
// those buttons or the font change, so that a repaint, which works out the cell size again, does
// not measure every caption of the group. A font changed through its object comes back from the
// resource cache as a new handle, and handles are never reused, so the handle tells.
class WidestCaption {
public:
    // In pixels, with `font` (none: the DC's own) selected into `hdc`.
    int32_t Of(const CButtons& buttons, win::HDC hdc, win::HFONT font,
               const std::function<bool(const CButton&)>& takesPart);
    // Some collection's captions, buttons or visibility changed.
    void Forget() { m_known = false; }

private:
    bool m_known = false;
    uint32_t m_buttons = 0;
    win::HFONT m_font;
    int32_t m_widest = 0;
};

} // namespace shelfstrip

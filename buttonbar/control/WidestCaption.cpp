#include "buttonbar/control/WidestCaption.h"

#include "platform/win/Win.h"

#include <algorithm>

namespace shelfstrip {

int32_t WidestCaption::Of(const CButtons& buttons, win::HDC hdc, win::HFONT font,
                          const std::function<bool(const CButton&)>& takesPart) {
    const uint32_t id = ole::PtrOfObject(&buttons);
    if (m_known && m_buttons == id && m_font == font)
        return m_widest;
    int32_t widest = 0;
    for (int32_t i = 1; i <= buttons.Count(); ++i) {
        const ole::Ptr<CButton> button = buttons.At(i);
        if (!takesPart(*button))
            continue;
        const std::string caption = button->GetCaption();
        win::SIZE extent{};
        win::GetTextExtentPoint32A(hdc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        widest = std::max(widest, static_cast<int32_t>(extent.cx));
    }
    m_known = true;
    m_buttons = id;
    m_font = font;
    m_widest = widest;
    return widest;
}

} // namespace shelfstrip

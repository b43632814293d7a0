#include "platform/win/gdi/Brush.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiObjects.h"
#include "platform/win/system/SysColors.h"

namespace win::gdi {

std::optional<COLORREF> Brush::Color() const {
    if (m_style == BrushStyle::Null) {
        return std::nullopt;
    }
    return m_sysColorIndex >= 0 ? GetSysColor(m_sysColorIndex) : m_color;
}

std::optional<COLORREF> ResolveBrushColor(HBRUSH brush) {
    const uint32_t value = brush.Value();
    if (value >= 1 && value <= static_cast<uint32_t>(COLOR_COUNT)) {
        return GetSysColor(static_cast<int>(value) - 1);
    }
    if (const Brush* object = GdiObjects::Find<Brush>(brush)) {
        return object->Color();
    }
    return std::nullopt;
}

} // namespace win::gdi

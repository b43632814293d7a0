#include "platform/win/gdi/detail/Pen.h"

#include "platform/win/gdi/GdiConstants.h"

#include <array>
#include <cstring>

namespace win::gdi {

namespace {
constexpr std::array<int, 2> kDash{18, 6};
constexpr std::array<int, 2> kDot{3, 3};
constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};
} // namespace

std::span<const int> Pen::DashPattern() const {
    if (m_width > 1) {
        return {};
    }
    switch (m_style) {
    case PS_DASH:
        return kDash;
    case PS_DOT:
        return kDot;
    case PS_DASHDOT:
        return kDashDot;
    case PS_DASHDOTDOT:
        return kDashDotDot;
    default:
        return {};
    }
}

int Pen::Describe(int size, void* out) const {
    constexpr int needed = sizeof(LOGPEN);
    if (!out) {
        return needed;
    }
    if (size < needed) {
        return 0;
    }
    LOGPEN pen;
    pen.lopnStyle = static_cast<UINT>(m_style);
    pen.lopnWidth = {m_width, 0};
    pen.lopnColor = m_color;
    std::memcpy(out, &pen, needed);
    return needed;
}

} // namespace win::gdi

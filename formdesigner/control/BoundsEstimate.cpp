#include "formdesigner/control/BoundsEstimate.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/control/LayoutVersion.h"
#include "platform/ole/object/TypeName.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace layoutdesk {

namespace {

// Far out, singles lose whole pixels and windows are pinned; no estimate is made there.
constexpr int64_t kFarOut = int64_t{1} << 20;
constexpr int64_t kSlack = 4;

} // namespace

BoundsEstimate::BoundsEstimate(const ole::Object* container, float offsetX, float offsetY)
    : m_container(container), m_version(forms::LayoutVersion()), m_offsetX(offsetX),
      m_offsetY(offsetY) {}

std::optional<BoundsEstimate::Span>
BoundsEstimate::Place(const ole::Ptr<ole::Object>& control) const {
    if (!m_container || m_version != forms::LayoutVersion() || !std::isfinite(m_offsetX) ||
        !std::isfinite(m_offsetY) || std::fabs(m_offsetX) > static_cast<float>(kFarOut) ||
        std::fabs(m_offsetY) > static_cast<float>(kFarOut))
        return std::nullopt;
    const auto* formControl = dynamic_cast<const forms::Control*>(control.Get());
    if (!formControl || formControl->IsDead() || formControl->Container().Get() != m_container ||
        ole::TypeName(control.Get()) == "Line")
        return std::nullopt;
    const win::RECT b = formControl->PixelBounds();
    if (std::abs(int64_t{b.left}) > kFarOut || std::abs(int64_t{b.top}) > kFarOut ||
        std::abs(int64_t{b.right}) > kFarOut || std::abs(int64_t{b.bottom}) > kFarOut)
        return std::nullopt;
    const int64_t x = std::lround(m_offsetX);
    const int64_t y = std::lround(m_offsetY);
    return Span{int64_t{b.left} + x, int64_t{b.top} + y, int64_t{b.right} + x,
                int64_t{b.bottom} + y};
}

// The exact rectangle comes through the containers' units and a rounding that widens it by up to
// a pixel on every side: it covers the bounds shrunk by four pixels, the rectangle index's own
// margin, and lies within them widened by as much.
bool BoundsEstimate::SurelyMeets(const ole::Ptr<ole::Object>& control,
                                 const win::RECT& area) const {
    const std::optional<Span> p = Place(control);
    if (!p)
        return false;
    const Span in{p->left + kSlack, p->top + kSlack, p->right - kSlack, p->bottom - kSlack};
    return in.left < in.right && in.top < in.bottom &&
           std::max<int64_t>(in.left, area.left) < std::min<int64_t>(in.right, area.right) &&
           std::max<int64_t>(in.top, area.top) < std::min<int64_t>(in.bottom, area.bottom);
}

bool BoundsEstimate::SurelyMisses(const ole::Ptr<ole::Object>& control, const win::RECT& area,
                                  int64_t reach) const {
    const std::optional<Span> p = Place(control);
    if (!p || reach < 0 || reach > kFarOut)
        return false;
    const int64_t grow = kSlack + reach;
    return p->right + grow < area.left || area.right < p->left - grow ||
           p->bottom + grow < area.top || area.bottom < p->top - grow;
}

} // namespace layoutdesk

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

} // namespace

BoundsEstimate::BoundsEstimate(const ole::Object* container, float offsetX, float offsetY)
    : m_container(container), m_version(forms::LayoutVersion()), m_offsetX(offsetX),
      m_offsetY(offsetY) {}

std::optional<BoundsEstimate::Span> BoundsEstimate::Place(const ole::Ptr<ole::Object>& control,
                                                          bool outer) const {
    if (!m_container || m_version != forms::LayoutVersion() || !std::isfinite(m_offsetX) ||
        !std::isfinite(m_offsetY) || std::fabs(m_offsetX) > static_cast<float>(kFarOut) ||
        std::fabs(m_offsetY) > static_cast<float>(kFarOut))
        return std::nullopt;
    const auto* formControl = dynamic_cast<const forms::Control*>(control.Get());
    if (!formControl || formControl->IsDead() || formControl->Container().Get() != m_container ||
        ole::TypeName(control.Get()) == "Line")
        return std::nullopt;
    const win::RECT b = formControl->PixelBounds();
    if (b.left > b.right || b.top > b.bottom || std::abs(int64_t{b.left}) > kFarOut ||
        std::abs(int64_t{b.top}) > kFarOut || std::abs(int64_t{b.right}) > kFarOut ||
        std::abs(int64_t{b.bottom}) > kFarOut)
        return std::nullopt;
    // The exact rectangle comes through the containers' units and a rounding that widens it by
    // up to a pixel on every side; four pixels hold both, as the rectangle index's own margin.
    const int64_t slack = outer ? 4 : -4;
    const auto x = static_cast<int64_t>(std::lround(m_offsetX));
    const auto y = static_cast<int64_t>(std::lround(m_offsetY));
    return Span{int64_t{b.left} + x - slack, int64_t{b.top} + y - slack,
                int64_t{b.right} + x + slack, int64_t{b.bottom} + y + slack};
}

bool BoundsEstimate::SurelyMeets(const ole::Ptr<ole::Object>& control,
                                 const win::RECT& area) const {
    const std::optional<Span> inner = Place(control, false);
    return inner && inner->left < inner->right && inner->top < inner->bottom &&
           std::max<int64_t>(inner->left, area.left) <
               std::min<int64_t>(inner->right, area.right) &&
           std::max<int64_t>(inner->top, area.top) < std::min<int64_t>(inner->bottom, area.bottom);
}

bool BoundsEstimate::SurelyWithin(const ole::Ptr<ole::Object>& control, const win::RECT& area,
                                  int64_t grow) const {
    const std::optional<Span> outer = Place(control, true);
    return outer && area.left < area.right && area.top < area.bottom &&
           outer->left - grow >= area.left && outer->top - grow >= area.top &&
           outer->right + grow <= area.right && outer->bottom + grow <= area.bottom;
}

} // namespace layoutdesk

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

// The exact rectangle comes through the containers' units and a rounding that widens it by up to
// a pixel on every side; it covers the control's bounds shrunk by four pixels, the rectangle
// index's own margin.
bool BoundsEstimate::SurelyMeets(const ole::Ptr<ole::Object>& control,
                                 const win::RECT& area) const {
    if (!m_container || m_version != forms::LayoutVersion() || !std::isfinite(m_offsetX) ||
        !std::isfinite(m_offsetY) || std::fabs(m_offsetX) > static_cast<float>(kFarOut) ||
        std::fabs(m_offsetY) > static_cast<float>(kFarOut))
        return false;
    const auto* formControl = dynamic_cast<const forms::Control*>(control.Get());
    if (!formControl || formControl->IsDead() || formControl->Container().Get() != m_container ||
        ole::TypeName(control.Get()) == "Line")
        return false;
    const win::RECT b = formControl->PixelBounds();
    if (std::abs(int64_t{b.left}) > kFarOut || std::abs(int64_t{b.top}) > kFarOut ||
        std::abs(int64_t{b.right}) > kFarOut || std::abs(int64_t{b.bottom}) > kFarOut)
        return false;
    constexpr int64_t kSlack = 4;
    const int64_t x = std::lround(m_offsetX);
    const int64_t y = std::lround(m_offsetY);
    const int64_t left = int64_t{b.left} + x + kSlack;
    const int64_t top = int64_t{b.top} + y + kSlack;
    const int64_t right = int64_t{b.right} + x - kSlack;
    const int64_t bottom = int64_t{b.bottom} + y - kSlack;
    return left < right && top < bottom &&
           std::max<int64_t>(left, area.left) < std::min<int64_t>(right, area.right) &&
           std::max<int64_t>(top, area.top) < std::min<int64_t>(bottom, area.bottom);
}

} // namespace layoutdesk

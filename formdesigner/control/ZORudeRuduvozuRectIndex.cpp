// The rectangle index of each container the designer searches: built from the form's control
// list at the current layout version, so hit tests, bands and repaints meet only the controls
// near them. Every answer is still checked control by control as a plain walk would check it.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/LateReads.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/control/LayoutVersion.h"
#include "platform/forms/form/Form.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace layoutdesk {

const ControlRectIndex* ZORudeRuduvozu::RectIndexOf(const ole::Ptr<ole::Object>& container) {
    const auto* form = dynamic_cast<const forms::Form*>(FindForm().Get());
    if (!form || !container)
        return nullptr;
    const uint64_t version = forms::LayoutVersion();
    if (!m_rectIndexes.empty() && m_rectIndexes.begin()->second->Version() != version)
        m_rectIndexes.clear();
    std::unique_ptr<ControlRectIndex>& index = m_rectIndexes[ole::PtrOfObject(container.Get())];
    if (!index) {
        std::vector<ControlRectIndex::Entry> entries;
        for (const ole::Ptr<forms::Control>& control : form->ControlList())
            if (control->Container().Get() == container.Get())
                entries.push_back({ole::PtrOfObject(control.Get()), control->PixelBounds()});
        index = std::make_unique<ControlRectIndex>(version, std::move(entries));
    }
    return index.get();
}

std::optional<std::vector<ole::Ptr<ole::Object>>>
ZORudeRuduvozu::ControlsNear(const ole::Ptr<ole::Object>& container, const win::RECT& pixels,
                             float margin) {
    return ControlsNear(container, static_cast<float>(pixels.left), static_cast<float>(pixels.top),
                        static_cast<float>(pixels.right), static_cast<float>(pixels.bottom),
                        margin);
}

std::optional<std::vector<ole::Ptr<ole::Object>>>
ZORudeRuduvozu::ControlsNear(const ole::Ptr<ole::Object>& container, float left, float top,
                             float right, float bottom, float margin) {
    float ox = 0;
    float oy = 0;
    if (!PixelOriginOf(container, ox, oy))
        return std::nullopt;
    const ControlRectIndex* index = RectIndexOf(container);
    if (!index)
        return std::nullopt;
    // The rectangles the walk would compare are read through the containers' scale units and
    // rounded on the way; singles far out lose whole pixels.
    const float slack =
        4 + (std::fabs(ox) + std::fabs(oy) + std::fabs(left) + std::fabs(top)) * 1e-6F;
    // NaN pins to the low end; a margin that is no number then takes every entry anyway.
    const auto pin = [](float v) {
        return static_cast<int32_t>(std::isnan(v) ? -2e9F : std::clamp(v, -2e9F, 2e9F));
    };
    const win::RECT local{pin(std::floor(left - ox)), pin(std::floor(top - oy)),
                          pin(std::ceil(right - ox)), pin(std::ceil(bottom - oy))};
    if (std::isnan(left - ox) || std::isnan(top - oy))
        margin = NAN;
    std::vector<ole::Ptr<ole::Object>> controls;
    for (const uint32_t id : index->Meeting(local, margin + slack))
        if (ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id))
            controls.push_back(std::move(control));
    return controls;
}

bool ZORudeRuduvozu::PixelOriginOf(const ole::Ptr<ole::Object>& container, float& x, float& y) {
    float dx = 0;
    float dy = 0;
    if (!OffsetOfContainer(container, dx, dy))
        return false;
    const int32_t pixelMode = forms::ModeValue(forms::ScaleMode::Pixels);
    x = ConvertX(dx, ScaleMode(), pixelMode);
    y = ConvertY(dy, ScaleMode(), pixelMode);
    return true;
}

BoundsEstimate ZORudeRuduvozu::EstimateIn(const ole::Ptr<ole::Object>& container) {
    float x = 0;
    float y = 0;
    if (!container || !PixelOriginOf(container, x, y))
        return {};
    return BoundsEstimate(container.Get(), x, y);
}

// The selection shares one container, that of its first entry.
BoundsEstimate ZORudeRuduvozu::SelectionEstimate(const std::vector<uint32_t>& selected) {
    if (selected.empty())
        return {};
    return EstimateIn(TryReadObject(ole::ObjectFromPtr(selected.front()), "Container"));
}

// A handle deep, a unit for the rectangle's rounding to whole units, and a pixel.
int64_t ZORudeRuduvozu::HandleReach() const {
    const int32_t pixelMode = forms::ModeValue(forms::ScaleMode::Pixels);
    const float unit = std::max(std::fabs(ConvertX(1, ScaleMode(), pixelMode)),
                                std::fabs(ConvertY(1, ScaleMode(), pixelMode)));
    const auto handle = std::max(std::abs(int64_t{win::PinCoordinate(PixelsX(m_HandleSizeX))}),
                                 std::abs(int64_t{win::PinCoordinate(PixelsY(m_HandleSizeY))}));
    return std::isfinite(unit) && unit < 1e6F ? handle + static_cast<int64_t>(std::ceil(unit)) + 1
                                              : -1;
}

} // namespace layoutdesk

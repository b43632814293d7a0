#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace layoutdesk {

// Where the controls of one container lie in the designer's client pixels, taken from their own
// pixel bounds instead of through their late-bound members. The exact rectangle lies within a few
// pixels of that place, so a batch can tell the controls that surely meet an area from those it
// must measure. It knows nothing of Lines (ends, not a place), of other containers' controls, or
// once any control was placed anew after it was made; a default one knows nothing at all.
class BoundsEstimate {
public:
    BoundsEstimate() = default;
    // `offsetX`, `offsetY`: the container's client origin in designer client pixels.
    BoundsEstimate(const ole::Object* container, float offsetX, float offsetY);

    // True only when the exact rectangle, whatever its rounding, meets `area`.
    bool SurelyMeets(const ole::Ptr<ole::Object>& control, const win::RECT& area) const;

private:
    const ole::Object* m_container = nullptr;
    uint64_t m_version = 0;
    float m_offsetX = 0;
    float m_offsetY = 0;
};

} // namespace layoutdesk

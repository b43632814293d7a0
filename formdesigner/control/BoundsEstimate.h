#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>

namespace layoutdesk {

// Where the controls of one container lie in the designer's client pixels, taken from their own
// pixel bounds instead of through their late-bound members. The exact rectangle lies within a few
// pixels of that place, so a batch can tell the controls that surely meet an area, or surely
// stay clear of it, from those it must measure. It knows nothing of Lines (ends, not a place), of
// other containers' controls, or once any control was placed anew after it was made; a default one
// knows nothing at all.
class BoundsEstimate {
public:
    BoundsEstimate() = default;
    // `offsetX`, `offsetY`: the container's client origin in designer client pixels.
    BoundsEstimate(const ole::Object* container, float offsetX, float offsetY);

    // True only when the exact rectangle, whatever its rounding, meets `area`.
    bool SurelyMeets(const ole::Ptr<ole::Object>& control, const win::RECT& area) const;
    // True only when no pixel within `reach` of the exact rectangle lies in `area`.
    bool SurelyMisses(const ole::Ptr<ole::Object>& control, const win::RECT& area,
                      int64_t reach) const;

private:
    struct Span {
        int64_t left, top, right, bottom;
    };
    // The control's bounds in designer client pixels; nothing when the estimate knows nothing of
    // the control.
    std::optional<Span> Place(const ole::Ptr<ole::Object>& control) const;

    const ole::Object* m_container = nullptr;
    uint64_t m_version = 0;
    float m_offsetX = 0;
    float m_offsetY = 0;
};

} // namespace layoutdesk

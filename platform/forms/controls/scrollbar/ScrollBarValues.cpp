#include "platform/forms/controls/scrollbar/ScrollBarValues.h"

#include <algorithm>

namespace forms {

bool ScrollBarValues::Contains(int32_t value) const {
    return value >= std::min(min, max) && value <= std::max(min, max);
}

int32_t ScrollBarValues::Clamp(int32_t value) const {
    return std::clamp<int32_t>(value, std::min(min, max), std::max(min, max));
}

int32_t ScrollBarValues::Step(int32_t value, ScrollStep step) const {
    switch (step) {
    case ScrollStep::LineUp:
        return Clamp(value - smallChange * Direction());
    case ScrollStep::LineDown:
        return Clamp(value + smallChange * Direction());
    case ScrollStep::PageUp:
        return Clamp(value - largeChange * Direction());
    case ScrollStep::PageDown:
        return Clamp(value + largeChange * Direction());
    case ScrollStep::ToMin:
        return min;
    case ScrollStep::ToMax:
        return max;
    }
    return value;
}

} // namespace forms

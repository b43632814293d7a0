#include "platform/base/Rounding.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace base {

double RoundHalfEven(double value) {
    // nearbyint honours the current rounding mode; pin it so a caller's fesetround cannot leak in.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST) {
        std::fesetround(FE_TONEAREST);
    }
    const double rounded = std::nearbyint(value);
    if (saved != FE_TONEAREST) {
        std::fesetround(saved);
    }
    return rounded;
}

namespace {

template <class Int>
Int RoundPinned(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // The top of the range is a power of two, exact as a double; anything at or past it pins.
    constexpr double kTop = -static_cast<double>(std::numeric_limits<Int>::min());
    const double rounded = RoundHalfEven(value);
    if (rounded >= kTop) {
        return std::numeric_limits<Int>::max();
    }
    if (rounded < -kTop) {
        return std::numeric_limits<Int>::min();
    }
    return static_cast<Int>(rounded);
}

} // namespace

int64_t RoundHalfEvenToInt64(double value) {
    return RoundPinned<int64_t>(value);
}

int32_t RoundHalfEvenToInt32(double value) {
    return RoundPinned<int32_t>(value);
}

} // namespace base

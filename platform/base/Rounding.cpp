#include "platform/base/Rounding.h"

#include <cfenv>
#include <cmath>

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

int64_t RoundHalfEvenToInt64(double value) {
    return static_cast<int64_t>(RoundHalfEven(value));
}

} // namespace base

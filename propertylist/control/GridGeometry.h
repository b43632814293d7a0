#pragma once

#include "platform/base/Rounding.h"
#include "platform/win/WinTypes.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// Small helpers of the property list's layout, row and message code: whole-pixel rounding that
// never overflows.
namespace attrgrid::grid {

inline int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Half to even, saturated at the 32-bit range (NaN gives 0): geometry never raises overflow.
inline int32_t ToInt(double value) {
    return base::RoundHalfEvenToInt32(value);
}

// A splitter bar's size from a scaled length: whole, never negative, within its 16-bit property.
inline int16_t ToBarSize(double value) {
    return static_cast<int16_t>(std::clamp(base::RoundHalfEvenToInt32(value), 0, 32767));
}

inline win::RECT MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return {Clamp32(left), Clamp32(top), Clamp32(right), Clamp32(bottom)};
}

} // namespace attrgrid::grid

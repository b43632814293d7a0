#pragma once

#include <cstdint>

namespace base {

// Whole-number conversion of fractions everywhere in the suite: halves go to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven as a 64-bit integer; callers range-check before narrowing.
int64_t RoundHalfEvenToInt64(double value);

} // namespace base

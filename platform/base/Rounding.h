#pragma once

#include <cstdint>

namespace base {

// Whole-number conversion of fractions everywhere in the suite: halves go to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven as a 64-bit integer, pinned to its range (NaN gives 0).
int64_t RoundHalfEvenToInt64(double value);

// Where a size, position or scale from a host or stored bytes becomes a whole number: rounded
// half to even, pinned to int32_t, NaN gives 0. A value no integer holds is never undefined.
int32_t RoundHalfEvenToInt32(double value);

} // namespace base

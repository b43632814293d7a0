#pragma once

namespace ole {

// An automation date as a C++ type of its own, so members and arguments declared with it read as
// VT_DATE rather than VT_R8: days since 1899-12-30, the fraction being the time of day.
struct DateTime {
    double value = 0.0;

    friend constexpr bool operator==(DateTime, DateTime) = default;
};

} // namespace ole

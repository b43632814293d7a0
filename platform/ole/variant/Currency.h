#pragma once

#include <compare>
#include <cstdint>

namespace ole {

// Fixed-point money: the value times 10 000, so four decimals are exact.
struct Currency {
    int64_t scaled = 0;

    static constexpr int64_t Scale = 10000;
    static constexpr Currency FromUnits(int64_t units) { return Currency{units * Scale}; }
    constexpr double ToDouble() const { return static_cast<double>(scaled) / Scale; }

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;
};

} // namespace ole

#pragma once

#include <cstdint>

namespace base {

// The platform's one clock. Headless it is virtual: it starts at 0 and moves only when a test
// advances it, so timers, double clicks and dates are deterministic. The X11 backend switches it to
// real monotonic time.
class Clock {
public:
    // Milliseconds since the clock started; wraps like a 32-bit tick count.
    static uint32_t NowMs();
    static uint64_t NowMs64();

    static void Advance(uint64_t ms);
    static void UseRealTime(bool real);
    static bool IsRealTime();

    // Local date and time at clock 0, as an automation date (days since 1899-12-30).
    static void SetDateTimeBase(double oleDate);
    static double DateTimeBase();

    // Local date and time now, as an automation date.
    static double Now();

    static void Reset();
};

} // namespace base

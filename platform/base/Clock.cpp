#include "platform/base/Clock.h"

#include <chrono>

namespace base {

namespace {

// 2000-01-01 00:00:00, a fixed local date so tests never see the machine's calendar.
constexpr double kDefaultDateTimeBase = 36526.0;
constexpr double kMsPerDay = 86'400'000.0;

struct ClockState {
    uint64_t virtualMs = 0;
    bool realTime = false;
    std::chrono::steady_clock::time_point realStart = std::chrono::steady_clock::now();
    double dateTimeBase = kDefaultDateTimeBase;
};

ClockState& State() {
    thread_local ClockState state;
    return state;
}

} // namespace

uint64_t Clock::NowMs64() {
    const ClockState& s = State();
    if (!s.realTime) {
        return s.virtualMs;
    }
    const auto elapsed = std::chrono::steady_clock::now() - s.realStart;
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint32_t Clock::NowMs() {
    return static_cast<uint32_t>(NowMs64());
}

void Clock::Advance(uint64_t ms) {
    State().virtualMs += ms;
}

void Clock::UseRealTime(bool real) {
    ClockState& s = State();
    if (real && !s.realTime) {
        s.realStart = std::chrono::steady_clock::now() - std::chrono::milliseconds(s.virtualMs);
    }
    s.realTime = real;
}

bool Clock::IsRealTime() {
    return State().realTime;
}

void Clock::SetDateTimeBase(double oleDate) {
    State().dateTimeBase = oleDate;
}

double Clock::DateTimeBase() {
    return State().dateTimeBase;
}

double Clock::Now() {
    return State().dateTimeBase + static_cast<double>(NowMs64()) / kMsPerDay;
}

void Clock::Reset() {
    State() = ClockState{};
}

} // namespace base

#include "platform/win/test/TestApi.h"

#include "platform/base/Clock.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/hooks/HookChains.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/loop/MessageRetrieval.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/test/Probes.h"
#include "platform/win/timer/TimerTable.h"

#include <string>
#include <vector>

namespace win::test {

namespace {

std::vector<std::function<void()>>& ResetSteps() {
    static std::vector<std::function<void()>> steps;
    return steps;
}

std::optional<int>& QuitSlot() {
    thread_local std::optional<int> quit;
    return quit;
}

// Moves the virtual clock to the next timer due no later than limit; false when there is none.
bool AdvanceToNextTimer(uint64_t limit) {
    const auto next = detail::TimerTable::Instance().NextDueTime();
    const uint64_t now = base::Clock::NowMs64();
    if (!next || *next > limit) {
        return false;
    }
    if (*next > now) {
        base::Clock::Advance(*next - now);
    }
    return true;
}

} // namespace

bool pumpOnce() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        QuitSlot() = static_cast<int>(msg.wParam);
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

bool pump(size_t maxMessages) {
    for (size_t n = 0; n < maxMessages; ++n) {
        if (!pumpOnce()) {
            return true;
        }
    }
    RecordCaughtException("pump", "still busy after " + std::to_string(maxMessages) + " messages");
    return false;
}

void advanceTime(uint32_t ms) {
    const uint64_t target = base::Clock::NowMs64() + ms;
    if (!pump()) {
        return;
    }
    while (!base::Clock::IsRealTime() && AdvanceToNextTimer(target)) {
        if (!pump()) {
            return;
        }
    }
    const uint64_t now = base::Clock::NowMs64();
    if (!base::Clock::IsRealTime() && now < target) {
        base::Clock::Advance(target - now);
    }
    pump();
}

bool runUntil(const std::function<bool()>& predicate, size_t maxSteps) {
    for (size_t step = 0; step < maxSteps; ++step) {
        if (predicate()) {
            return true;
        }
        if (!pumpOnce() && (base::Clock::IsRealTime() || !AdvanceToNextTimer(UINT64_MAX))) {
            return predicate();
        }
    }
    return predicate();
}

std::optional<int> quitCode() {
    return QuitSlot();
}

void AddResetStep(std::function<void()> step) {
    ResetSteps().push_back(std::move(step));
}

void resetPlatform() {
    // Hooks go first so that no test hook runs while the windows are torn down.
    detail::HookChains::Instance().Reset();
    detail::SetIdleResponder(nullptr);
    detail::ResetWindows();
    // By position: a step may add another (a responder made on first use).
    for (size_t i = 0; i < ResetSteps().size(); ++i) {
        const auto step = ResetSteps()[i];
        step();
    }
    detail::ResetLoopAndInput();
    detail::SetScrollBarSize(detail::kDefaultScrollBarSize);
    base::Clock::Reset();
    ClearCaughtExceptions();
    QuitSlot().reset();
}

} // namespace win::test

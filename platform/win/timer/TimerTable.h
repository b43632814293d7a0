#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace win::detail {

// Window and thread timers plus the platform's own (caret blink). A timer is due when the clock
// reaches its due time; firing reschedules it one period after now, never in catch-up steps, so a
// timer fires at most once per pass however far the clock jumped.
class TimerTable {
public:
    static constexpr UINT kMinimumElapse = 10;

    static TimerTable& Instance();

    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillWindowTimers(HWND hwnd);

    // A platform timer: its action runs in the WM_TIMER slot and never reaches a window.
    uint32_t SetInternal(UINT elapse, std::function<void()> action);
    void KillInternal(uint32_t key);

    // The earliest due timer that matches the window filter (null: any), rescheduled when remove
    // is true. Platform timers never match a window filter and come with their action.
    struct Fired {
        MSG msg;
        std::function<void()> internalAction;
    };
    std::optional<Fired> TakeDue(HWND filter, bool remove, bool includeInternal);

    bool AnyDue() const;
    std::optional<uint64_t> NextDueTime() const;
    size_t LiveCount() const;
    void Reset();

private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id = 0;
        UINT elapse = 0;
        TIMERPROC proc = nullptr;
        uint64_t due = 0;
        uint64_t order = 0;
        uint32_t internalKey = 0;
        std::function<void()> internalAction;
    };

    std::vector<Timer> m_timers;
    uint64_t m_order = 0;
    UINT_PTR m_nextThreadTimerId = 0x1000;
    uint32_t m_nextInternalKey = 1;
};

} // namespace win::detail

#include "platform/win/timer/TimerTable.h"

#include "platform/base/Clock.h"
#include "platform/win/WinConstants.h"

#include <algorithm>

namespace win::detail {

namespace {

UINT ClampElapse(UINT elapse) {
    return std::clamp<UINT>(elapse, TimerTable::kMinimumElapse, 0x7FFFFFFF);
}

} // namespace

TimerTable& TimerTable::Instance() {
    thread_local TimerTable table;
    return table;
}

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    const uint64_t now = base::Clock::NowMs64();
    const bool threadTimer = !hwnd;
    const auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) {
        return t.internalKey == 0 && t.hwnd == hwnd && t.id == id && (!threadTimer || id != 0);
    });
    if (it != m_timers.end()) {
        it->elapse = ClampElapse(elapse);
        it->proc = proc;
        it->due = now + it->elapse;
        it->order = ++m_order;
        return threadTimer ? id : (id != 0 ? id : 1);
    }
    Timer timer;
    timer.hwnd = hwnd;
    timer.id = threadTimer ? m_nextThreadTimerId++ : id;
    timer.elapse = ClampElapse(elapse);
    timer.proc = proc;
    timer.due = now + timer.elapse;
    timer.order = ++m_order;
    m_timers.push_back(std::move(timer));
    return threadTimer ? m_timers.back().id : (id != 0 ? id : 1);
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
    const auto removed = std::erase_if(m_timers, [&](const Timer& t) {
        return t.internalKey == 0 && t.hwnd == hwnd && t.id == id;
    });
    return removed > 0;
}

void TimerTable::KillWindowTimers(HWND hwnd) {
    std::erase_if(m_timers, [&](const Timer& t) { return t.internalKey == 0 && t.hwnd == hwnd; });
}

uint32_t TimerTable::SetInternal(UINT elapse, std::function<void()> action) {
    Timer timer;
    timer.elapse = ClampElapse(elapse);
    timer.due = base::Clock::NowMs64() + timer.elapse;
    timer.order = ++m_order;
    timer.internalKey = m_nextInternalKey++;
    timer.internalAction = std::move(action);
    m_timers.push_back(std::move(timer));
    return m_timers.back().internalKey;
}

void TimerTable::KillInternal(uint32_t key) {
    if (key != 0) {
        std::erase_if(m_timers, [key](const Timer& t) { return t.internalKey == key; });
    }
}

std::optional<TimerTable::Fired> TimerTable::TakeDue(HWND filter, bool remove,
                                                     bool includeInternal) {
    const uint64_t now = base::Clock::NowMs64();
    Timer* best = nullptr;
    for (Timer& t : m_timers) {
        const bool internal = t.internalKey != 0;
        if (t.due > now || (internal && (!includeInternal || filter)) ||
            (filter && t.hwnd != filter)) {
            continue;
        }
        if (best == nullptr || t.due < best->due || (t.due == best->due && t.order < best->order)) {
            best = &t;
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    Fired fired;
    fired.msg.hwnd = best->hwnd;
    fired.msg.message = WM_TIMER;
    fired.msg.wParam = best->id;
    fired.msg.lParam = reinterpret_cast<LPARAM>(best->proc);
    fired.msg.time = static_cast<DWORD>(now);
    fired.internalAction = best->internalAction;
    if (remove) {
        best->due = now + best->elapse;
        best->order = ++m_order;
    }
    return fired;
}

bool TimerTable::AnyDue() const {
    const uint64_t now = base::Clock::NowMs64();
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [now](const Timer& t) { return t.due <= now; });
}

std::optional<uint64_t> TimerTable::NextDueTime() const {
    std::optional<uint64_t> next;
    for (const Timer& t : m_timers) {
        if (!next || t.due < *next) {
            next = t.due;
        }
    }
    return next;
}

size_t TimerTable::LiveCount() const {
    return static_cast<size_t>(std::count_if(m_timers.begin(), m_timers.end(),
                                             [](const Timer& t) { return t.internalKey == 0; }));
}

void TimerTable::Reset() {
    m_timers.clear();
}

} // namespace win::detail

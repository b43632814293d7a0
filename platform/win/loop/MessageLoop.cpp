#include "platform/win/loop/MessageLoop.h"

#include "platform/base/Clock.h"
#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/input/InputState.h"
#include "platform/win/input/KeyTranslation.h"
#include "platform/win/loop/MessageRetrieval.h"
#include "platform/win/loop/PostedQueue.h"
#include "platform/win/test/Probes.h"
#include "platform/win/timer/TimerTable.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <exception>

namespace win {

namespace {

// Milliseconds a real-time loop may sleep before the next timer is due (-1: no timer).
int MsUntilNextTimer() {
    const auto next = detail::TimerTable::Instance().NextDueTime();
    if (!next) {
        return -1;
    }
    const uint64_t now = base::Clock::NowMs64();
    return *next <= now ? 0 : static_cast<int>(std::min<uint64_t>(*next - now, 0x7FFFFFFF));
}

// On a real display, input and window events waiting on the connection join the queues before
// each retrieval, so a busy loop still sees them.
void TakeDisplayEvents() {
    if (base::Clock::IsRealTime()) {
        display::CurrentBackend().WaitForEvents(0);
    }
}

bool IsKeyMessage(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

} // namespace

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT msgFilterMin, UINT msgFilterMax) {
    if (msg == nullptr || (hwnd && !IsWindow(hwnd))) {
        return -1;
    }
    const detail::MessageFilter filter{hwnd, msgFilterMin, msgFilterMax};
    for (;;) {
        TakeDisplayEvents();
        if (detail::RetrieveMessage(*msg, filter, true)) {
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        if (base::Clock::IsRealTime()) {
            display::CurrentBackend().WaitForEvents(MsUntilNextTimer());
            continue;
        }
        if (detail::RunIdleResponder()) {
            continue;
        }
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->time = detail::ClockNow();
        return FALSE;
    }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT msgFilterMin, UINT msgFilterMax, UINT removeMsg) {
    if (msg == nullptr) {
        return FALSE;
    }
    TakeDisplayEvents();
    const detail::MessageFilter filter{hwnd, msgFilterMin, msgFilterMax};
    return detail::RetrieveMessage(*msg, filter, (removeMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || !IsKeyMessage(msg->message)) {
        return FALSE;
    }
    if (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP) {
        return TRUE;
    }
    const auto vk = static_cast<int>(msg->wParam);
    std::optional<char32_t> c;
    if (vk == detail::VK_PACKET) {
        c = detail::PacketCharFromLParam(msg->lParam);
    } else {
        c = detail::CharForKey(vk, detail::InputState::Instance().Keys());
    }
    if (c && *c != 0) {
        const UINT charMsg = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        const LPARAM lParam = static_cast<LPARAM>(static_cast<uint32_t>(msg->lParam));
        PostMessageA(msg->hwnd, charMsg, static_cast<WPARAM>(*c), lParam);
    }
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        try {
            proc(msg->hwnd, WM_TIMER, msg->wParam, detail::ClockNow());
        } catch (const std::exception& e) {
            test::RecordCaughtException("timer procedure", e.what());
        } catch (...) {
            test::RecordCaughtException("timer procedure", "unknown exception");
        }
        return 0;
    }
    if (!msg->hwnd) {
        return 0;
    }
    return detail::DeliverMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && detail::LookupWindow(hwnd) == nullptr) {
        return FALSE;
    }
    MSG posted;
    posted.hwnd = hwnd;
    posted.message = msg;
    posted.wParam = wParam;
    posted.lParam = lParam;
    posted.time = detail::ClockNow();
    posted.pt = detail::InputState::Instance().CursorPos();
    detail::PostedQueue::Instance().Post(posted);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    detail::PostedQueue::Instance().RequestQuit(exitCode);
}

BOOL WaitMessage() {
    if (!detail::WorkPending() && base::Clock::IsRealTime()) {
        display::CurrentBackend().WaitForEvents(MsUntilNextTimer());
    }
    return TRUE;
}

LONG GetMessageTime() {
    return static_cast<LONG>(detail::LastMessageTime());
}

DWORD GetMessagePos() {
    const POINT pt = detail::LastMessagePos();
    return static_cast<DWORD>(MAKELONG(static_cast<uint16_t>(pt.x), static_cast<uint16_t>(pt.y)));
}

} // namespace win

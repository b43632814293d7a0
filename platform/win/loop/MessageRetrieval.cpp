#include "platform/win/loop/MessageRetrieval.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/input/BackendInput.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/InputRouter.h"
#include "platform/win/input/InputState.h"
#include "platform/win/loop/PostedQueue.h"
#include "platform/win/test/Probes.h"
#include "platform/win/timer/TimerTable.h"
#include "platform/win/window/Window.h"

#include <exception>

namespace win::detail {

namespace {

struct RetrievalState {
    DWORD lastTime = 0;
    POINT lastPos;
    std::function<bool()> idleResponder;
    // Responder calls since a message was last retrieved; a responder that claims to act but
    // changes nothing must not keep a loop spinning.
    int idleStreak = 0;
};

constexpr int kMaxIdleResponses = 1000;

RetrievalState& State() {
    thread_local RetrievalState state;
    return state;
}

void RunInternalTimer(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        test::RecordCaughtException("platform timer", e.what());
    } catch (...) {
        test::RecordCaughtException("platform timer", "unknown exception");
    }
}

bool Deliver(MSG& out, const MSG& msg, bool remove) {
    out = msg;
    if (remove) {
        State().idleStreak = 0;
        State().lastTime = msg.time;
        State().lastPos = msg.pt;
        CallHookChain(WH_GETMESSAGE, HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(&out));
    }
    return true;
}

} // namespace

bool MessageFilter::Accepts(HWND target, UINT message) const {
    if (message == WM_QUIT) {
        return true;
    }
    if ((first != 0 || last != 0) && (message < first || message > last)) {
        return false;
    }
    return !hwnd || target == hwnd || IsChild(hwnd, target);
}

bool RetrieveMessage(MSG& out, const MessageFilter& filter, bool remove) {
    BackendInput::Instance(); // a backend has somewhere to deliver input from the first retrieval
    for (;;) {
        const auto posted = PostedQueue::Instance().Take(
            [&](const MSG& m) { return filter.Accepts(m.hwnd, m.message); }, remove);
        if (posted) {
            return Deliver(out, *posted, remove);
        }
        if (const auto quit = PostedQueue::Instance().QuitRequest()) {
            MSG msg;
            msg.message = WM_QUIT;
            msg.wParam = static_cast<WPARAM>(*quit);
            msg.time = ClockNow();
            msg.pt = InputState::Instance().CursorPos();
            if (remove) {
                PostedQueue::Instance().ClearQuit();
            }
            return Deliver(out, msg, remove);
        }

        if (!HardwareQueue::Instance().Empty()) {
            MSG input;
            if (remove && filter.AcceptsAll()) {
                // Discarded or unwanted input: whatever its handling posted comes first.
                if (DequeueInput(input)) {
                    return Deliver(out, input, true);
                }
                continue;
            }
            if (PeekInput(input) && filter.Accepts(input.hwnd, input.message)) {
                if (!remove) {
                    return Deliver(out, input, false);
                }
                if (DequeueInput(input)) {
                    return Deliver(out, input, true);
                }
                continue;
            }
        }

        if (const HWND paint = NextWindowToPaint(); paint && filter.Accepts(paint, WM_PAINT)) {
            MSG msg;
            msg.hwnd = paint;
            msg.message = WM_PAINT;
            msg.time = ClockNow();
            msg.pt = InputState::Instance().CursorPos();
            return Deliver(out, msg, remove);
        }

        if (!filter.Accepts(filter.hwnd, WM_TIMER)) {
            return false;
        }
        auto fired = TimerTable::Instance().TakeDue(filter.hwnd, remove, remove);
        if (!fired) {
            return false;
        }
        if (fired->internalAction) {
            RunInternalTimer(fired->internalAction);
            continue;
        }
        fired->msg.pt = InputState::Instance().CursorPos();
        return Deliver(out, fired->msg, remove);
    }
}

bool WorkPending() {
    return !PostedQueue::Instance().Empty() || !HardwareQueue::Instance().Empty() ||
           NextWindowToPaint() || TimerTable::Instance().AnyDue();
}

DWORD LastMessageTime() {
    return State().lastTime;
}

POINT LastMessagePos() {
    return State().lastPos;
}

void SetIdleResponder(std::function<bool()> responder) {
    State().idleResponder = std::move(responder);
}

bool RunIdleResponder() {
    const auto responder = State().idleResponder;
    if (!responder) {
        return false;
    }
    if (++State().idleStreak > kMaxIdleResponses) {
        test::RecordCaughtException("idle responder", "acts without effect; the loop gives up");
        State().idleStreak = 0;
        return false;
    }
    try {
        return responder();
    } catch (const std::exception& e) {
        test::RecordCaughtException("idle responder", e.what());
    } catch (...) {
        test::RecordCaughtException("idle responder", "unknown exception");
    }
    return false;
}

void ResetRetrieval() {
    State() = RetrievalState{};
}

} // namespace win::detail

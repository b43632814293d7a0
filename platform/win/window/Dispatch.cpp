#include "platform/win/WinConstants.h"
#include "platform/win/test/Probes.h"
#include "platform/win/window/MessageObserver.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/WindowState.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace win {

namespace detail {

namespace {

std::vector<MessageObserver*>& Observers() {
    thread_local std::vector<MessageObserver*> observers;
    return observers;
}

bool StillObserving(MessageObserver* observer) {
    const auto& observers = Observers();
    return std::find(observers.begin(), observers.end(), observer) != observers.end();
}

} // namespace

void AddMessageObserver(MessageObserver* observer) {
    Observers().push_back(observer);
}

void RemoveMessageObserver(MessageObserver* observer) {
    std::erase(Observers(), observer);
}

void ResetMessageObservers() {
    for (MessageObserver* observer : std::vector(Observers())) {
        if (StillObserving(observer)) {
            observer->OnReset();
        }
    }
}

LRESULT DeliverMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The reference keeps the record alive until this delivery returns, even if the window is
    // destroyed meanwhile.
    const std::shared_ptr<WindowRecord> record = KeepWindow(hwnd);
    if (!record) {
        return 0;
    }
    WindowManagerState& wm = WindowManager();
    const int depth = ++wm.dispatchDepth;
    const std::vector<MessageObserver*> observers = Observers();
    for (MessageObserver* observer : observers) {
        if (StillObserving(observer)) {
            observer->BeforeDeliver(hwnd, msg, wParam, lParam, depth);
        }
    }

    // The procedure is read once: a procedure that replaces GWL_WNDPROC while running keeps
    // running, and the next message reaches the new one.
    const WNDPROC proc = record->proc;
    LRESULT result = 0;
    try {
        result = proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
    } catch (const std::exception& e) {
        test::RecordCaughtException("window procedure", e.what());
        result = 0;
    } catch (...) {
        test::RecordCaughtException("window procedure", "unknown exception");
        result = 0;
    }

    for (MessageObserver* observer : observers) {
        if (StillObserving(observer)) {
            observer->AfterDeliver(hwnd, msg, result, depth);
        }
    }
    --wm.dispatchDepth;
    return result;
}

} // namespace detail

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return detail::DeliverMessage(hwnd, msg, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) {
        return 0;
    }
    return proc(hwnd, msg, wParam, lParam);
}

} // namespace win

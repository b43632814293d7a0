#include "platform/win/detail/LoopSeam.h"

#include "platform/display/HeadlessBackend.h"
#include "platform/win/hooks/HookChains.h"
#include "platform/win/input/BackendInput.h"
#include "platform/win/input/CaptureRelease.h"
#include "platform/win/input/CaretState.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/InputState.h"
#include "platform/win/input/PointerGrab.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/loop/MessageRetrieval.h"
#include "platform/win/loop/PostedQueue.h"
#include "platform/win/timer/TimerTable.h"

namespace win::detail {

void ForgetWindow(HWND hwnd) {
    PostedQueue::Instance().DropWindow(hwnd);
    TimerTable::Instance().KillWindowTimers(hwnd);
    CaretState::Instance().ForgetWindow(hwnd);
    InputState::Instance().ForgetPressOn(hwnd);
    ReleaseCaptureHeldBy(hwnd, false);
}

void OnWindowHidden(HWND hwnd) {
    ReleaseCaptureHeldBy(hwnd, true);
}

void ResetLoopAndInput() {
    SetIdleResponder(nullptr);
    HookChains::Instance().Reset();
    PostedQueue::Instance().Clear();
    HardwareQueue::Instance().Clear();
    CaretState::Instance().Reset();
    TimerTable::Instance().Reset();
    InputState::Instance().Reset();
    ClearCaptureSilently();
    ResetRetrieval();
    UnloadAllLibraries();
    if (display::HeadlessBackend* headless = display::CurrentHeadless()) {
        headless->SetScreenSize(display::HeadlessBackend::kDefaultWidth,
                                display::HeadlessBackend::kDefaultHeight);
    }
    display::InstallEventSink(&BackendInput::Instance());
    ResetCursor();
    UpdatePointerGrab();
}

} // namespace win::detail

#include "platform/win/test/TestApi.h"

#include "platform/display/HeadlessBackend.h"
#include "platform/win/hooks/HookChains.h"
#include "platform/win/input/CaretState.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/InputState.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/loop/MessageRetrieval.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/timer/TimerTable.h"

namespace win::test {

void setScreenSize(int width, int height) {
    if (display::HeadlessBackend* headless = display::CurrentHeadless()) {
        headless->SetScreenSize(width, height);
    }
}

void setCaretBlink(bool blink) {
    detail::CaretState::Instance().SetBlinking(blink);
}

void setMsimg32Available(bool available) {
    detail::SetMsimg32Available(available);
}

void setDoubleClickTime(uint32_t ms) {
    detail::InputState::Instance().SetDoubleClickTime(ms);
}

void setScrollBarSize(int pixels) {
    detail::SetScrollBarSize(pixels);
}

void setIdleResponder(std::function<bool()> responder) {
    detail::SetIdleResponder(std::move(responder));
}

int currentCursorId() {
    return detail::CurrentCursorId();
}

CaretInfo caretInfo() {
    const detail::CaretState& caret = detail::CaretState::Instance();
    CaretInfo info;
    info.owner = caret.Owner();
    info.pos = caret.Pos();
    info.size = caret.Size();
    info.shown = caret.Shown();
    info.lit = caret.Lit();
    return info;
}

size_t liveHookCount() {
    return detail::HookChains::Instance().LiveCount();
}

size_t liveTimerCount() {
    return detail::TimerTable::Instance().LiveCount();
}

size_t pendingInputCount() {
    return detail::HardwareQueue::Instance().Events().size();
}

} // namespace win::test

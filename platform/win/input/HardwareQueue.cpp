#include "platform/win/input/HardwareQueue.h"

#include "platform/win/detail/LoopSeam.h"
#include "platform/win/input/InputState.h"

namespace win::detail {

HardwareQueue& HardwareQueue::Instance() {
    thread_local HardwareQueue queue;
    return queue;
}

void HardwareQueue::Inject(InputEvent event) {
    event.time = ClockNow();
    if (event.IsMouse()) {
        event.pt = InputState::Instance().ClampToClip(event.pt);
    }
    m_events.push_back(event);
}

InputEvent HardwareQueue::Pop() {
    InputEvent event = m_events.front();
    m_events.pop_front();
    return event;
}

POINT HardwareQueue::PendingCursorPos() const {
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->IsMouse()) {
            return it->pt;
        }
    }
    return InputState::Instance().CursorPos();
}

} // namespace win::detail

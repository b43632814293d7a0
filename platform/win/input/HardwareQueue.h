#pragma once

#include "platform/win/input/InputEvent.h"

#include <deque>

namespace win::detail {

// Input waiting to be retrieved, in arrival order. Positions are clamped into the cursor clip
// rectangle as events arrive, not when they are retrieved.
class HardwareQueue {
public:
    static HardwareQueue& Instance();

    // Stamps the event with the clock and clamps its position.
    void Inject(InputEvent event);

    bool Empty() const { return m_events.empty(); }
    const std::deque<InputEvent>& Events() const { return m_events; }
    InputEvent Pop();
    void Clear() { m_events.clear(); }

    // The position of the newest queued mouse event, or the cursor when none is queued: where
    // the pointer will be once the queue drains.
    POINT PendingCursorPos() const;

private:
    std::deque<InputEvent> m_events;
};

} // namespace win::detail

#include "platform/win/loop/PostedQueue.h"

namespace win::detail {

PostedQueue& PostedQueue::Instance() {
    thread_local PostedQueue queue;
    return queue;
}

void PostedQueue::DropWindow(HWND hwnd) {
    std::erase_if(m_messages, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
}

} // namespace win::detail

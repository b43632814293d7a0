#include "platform/win/WinTypes.h"

#include <atomic>

namespace win::detail {

uint32_t AllocateHandleValue() {
    // Values below 0x10000 stay free so that COLOR_x + 1 brushes, the HWND_* markers and resource
    // ids can never be mistaken for a live handle. Process-wide, so values stay unique even if a
    // second thread ever builds a platform of its own.
    static std::atomic<uint32_t> next{0x10000};
    return next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace win::detail

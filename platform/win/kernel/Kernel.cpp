#include "platform/win/kernel/Kernel.h"

#include "platform/base/Clock.h"
#include "platform/win/detail/LoopSeam.h"

#include <atomic>
#include <cstring>
#include <limits>
#include <string_view>
#include <unistd.h>

namespace win {

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    const int64_t remainder = product % c;
    const int64_t absRemainder = remainder < 0 ? -remainder : remainder;
    const int64_t absDivisor = c < 0 ? -static_cast<int64_t>(c) : c;
    if (2 * absRemainder >= absDivisor) {
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    }
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(quotient);
}

namespace detail {

uint32_t ClockNow() {
    return base::Clock::NowMs();
}

} // namespace detail

DWORD GetTickCount() {
    return detail::ClockNow();
}

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> next{1};
    thread_local const DWORD id = next++;
    return id;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        return FALSE;
    }
    info->dwMajorVersion = 5;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 2600;
    info->dwPlatformId = 2;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR buf) {
    char path[4096];
    if (getcwd(path, sizeof path) == nullptr) {
        return 0;
    }
    const std::string_view text(path);
    const auto needed = static_cast<DWORD>(text.size() + 1);
    if (buf == nullptr || nBufferLength < needed) {
        return needed;
    }
    std::memcpy(buf, text.data(), text.size());
    buf[text.size()] = '\0';
    return needed - 1;
}

BOOL SetCurrentDirectoryA(LPCSTR path) {
    return path != nullptr && chdir(path) == 0 ? TRUE : FALSE;
}

} // namespace win

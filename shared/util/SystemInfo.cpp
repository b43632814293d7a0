#include "shared/util/SystemInfo.h"

#include "platform/win/kernel/Kernel.h"

#include <cstring>

namespace shared {

namespace {
constexpr win::DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr win::DWORD VER_PLATFORM_WIN32_NT = 2;

bool QueryVersion(win::OSVERSIONINFOA& info) {
    info.dwOSVersionInfoSize = sizeof(win::OSVERSIONINFOA);
    std::memset(info.szCSDVersion, ' ', sizeof(info.szCSDVersion));
    return win::GetVersionExA(&info) != 0;
}
} // namespace

bool IsWin95() {
    win::OSVERSIONINFOA info;
    return QueryVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
           info.dwMinorVersion == 0;
}

bool IsWinNT4() {
    win::OSVERSIONINFOA info;
    return QueryVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           info.dwMajorVersion == 4;
}

} // namespace shared

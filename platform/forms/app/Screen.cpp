#include "platform/forms/app/Screen.h"

#include "platform/win/WinConstants.h"
#include "platform/win/system/SystemMetrics.h"

namespace forms {

float Screen::Width() {
    return static_cast<float>(win::GetSystemMetrics(win::SM_CXSCREEN) * kTwipsPerPixel);
}

float Screen::Height() {
    return static_cast<float>(win::GetSystemMetrics(win::SM_CYSCREEN) * kTwipsPerPixel);
}

} // namespace forms

#include "platform/win/hooks/Hooks.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/hooks/HookChains.h"
#include "platform/win/kernel/Kernel.h"

namespace win {

namespace {

// WH_MSGFILTER (-1) to WH_MOUSE_LL (14) install; only the ones the platform generates are called.
bool IsKnownHookType(int idHook) {
    return idHook >= -1 && idHook <= 14;
}

} // namespace

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD dwThreadId) {
    if (!IsKnownHookType(idHook) || proc == nullptr) {
        return nullptr;
    }
    if (dwThreadId != 0 && dwThreadId != GetCurrentThreadId()) {
        return nullptr;
    }
    return detail::HookChains::Instance().Install(idHook, proc);
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
    return detail::HookChains::Instance().Remove(hhk) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK, int nCode, WPARAM wParam, LPARAM lParam) {
    return detail::HookChains::Instance().CallNext(nCode, wParam, lParam);
}

namespace detail {

LRESULT CallHookChain(int idHook, int nCode, WPARAM wParam, LPARAM lParam) {
    return HookChains::Instance().Walk(idHook, nCode, wParam, lParam);
}

} // namespace detail

} // namespace win

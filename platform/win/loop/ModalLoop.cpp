#include "platform/win/loop/ModalLoop.h"

#include "platform/base/Clock.h"
#include "platform/win/WinConstants.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/loop/MessageRetrieval.h"
#include "platform/win/window/Window.h"

namespace win {

namespace {

ModalLoopEnd PumpUntil(HWND dialog, const std::function<bool()>& until,
                       const std::function<bool(MSG&)>& preview) {
    for (;;) {
        if (until()) {
            return ModalLoopEnd::Done;
        }
        if (dialog && !IsWindow(dialog)) {
            return ModalLoopEnd::DialogGone;
        }
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return ModalLoopEnd::Quit;
            }
            if (preview && preview(msg)) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        if (base::Clock::IsRealTime()) {
            WaitMessage();
            continue;
        }
        if (!detail::RunIdleResponder()) {
            return ModalLoopEnd::Idle;
        }
    }
}

} // namespace

ModalLoopEnd RunModalLoop(HWND dialog, const std::function<bool()>& until,
                          ModalLoopOptions options) {
    const HWND owner = dialog ? GetWindow(dialog, GW_OWNER) : HWND{};
    const HWND ownerTop = owner ? GetAncestor(owner, GA_ROOT) : HWND{};
    bool disabled = false;
    if (options.disableOwner && ownerTop && IsWindowEnabled(ownerTop)) {
        EnableWindow(ownerTop, FALSE);
        disabled = true;
    }
    const ModalLoopEnd end = PumpUntil(dialog, until, options.preview);
    if (ownerTop && IsWindow(ownerTop)) {
        if (disabled) {
            EnableWindow(ownerTop, TRUE);
        }
        if (options.disableOwner && GetActiveWindow() != ownerTop && IsWindowVisible(ownerTop)) {
            SetActiveWindow(ownerTop);
        }
    }
    return end;
}

} // namespace win

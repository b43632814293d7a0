#include "platform/win/controls/tooltip/TooltipRelay.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/tooltip/TooltipControl.h"
#include "platform/win/window/MessageObserver.h"

namespace win::controls {

namespace {

bool IsMouseMessage(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

class TooltipRelay final : public detail::MessageObserver {
public:
    void BeforeDeliver(HWND hwnd, UINT msg, WPARAM, LPARAM lParam, int) override {
        if (IsMouseMessage(msg)) {
            ControlStates<TooltipControl>::ForEach(
                [&](TooltipControl& tip) { tip.Observe(hwnd, msg, lParam); });
        } else if (msg == WM_NCDESTROY) {
            ControlStates<TooltipControl>::ForEach(
                [&](TooltipControl& tip) { tip.ToolWindowGone(hwnd); });
        }
    }
    void AfterDeliver(HWND, UINT, LRESULT, int) override {}
};

} // namespace

void EnsureTooltipRelay() {
    thread_local TooltipRelay relay;
    thread_local bool installed = false;
    if (!installed) {
        detail::AddMessageObserver(&relay);
        installed = true;
    }
}

} // namespace win::controls

#include "TopMost.h"

#include "platform/win/Win.h"

namespace sampledesk {

int32_t SetTopMost(int32_t hWnd, bool bTopMost) {
    const win::HWND window = win::HWND::FromValue(static_cast<uint32_t>(hWnd));
    const win::HWND insertAfter = bTopMost ? win::HWND_TOPMOST : win::HWND_NOTOPMOST;
    const win::BOOL moved =
        win::SetWindowPos(window, insertAfter, 0, 0, 0, 0, win::SWP_NOSIZE | win::SWP_NOMOVE);
    return bTopMost ? moved : 0;
}

} // namespace sampledesk

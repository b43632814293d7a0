#include "platform/win/input/TabOrder.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {

struct Candidate {
    HWND hwnd;
    bool tabStop = false;
};

// Descendants in tab order; control parents are entered instead of being stops themselves.
void Collect(HWND parent, std::vector<Candidate>& out) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
        const bool reachable = IsWindowVisible(child) && IsWindowEnabled(child);
        if ((exStyle & WS_EX_CONTROLPARENT) != 0) {
            out.push_back(Candidate{child, false});
            if (reachable) {
                Collect(child, out);
            }
        } else {
            out.push_back(Candidate{child, reachable && (style & WS_TABSTOP) != 0});
        }
    }
}

} // namespace

HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous) {
    if (!IsWindow(dlg)) {
        return nullptr;
    }
    std::vector<Candidate> all;
    Collect(dlg, all);
    const auto count = static_cast<ptrdiff_t>(all.size());
    const auto found = std::find_if(all.begin(), all.end(),
                                    [ctl](const Candidate& c) { return ctl && c.hwnd == ctl; });
    // Without a known start, begin just outside the list so the first step lands on an end.
    ptrdiff_t index = found != all.end() ? found - all.begin() : (previous ? count : -1);
    const ptrdiff_t step = previous ? -1 : 1;
    for (ptrdiff_t n = 0; n < count; ++n) {
        index = ((index + step) % count + count) % count;
        if (all[static_cast<size_t>(index)].tabStop) {
            return all[static_cast<size_t>(index)].hwnd;
        }
    }
    return nullptr;
}

} // namespace win

#include "platform/win/window/ZOrder.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/window/WindowState.h"

#include <algorithm>

namespace win::detail {

namespace {

// A window is in the topmost band when it is topmost itself or owned (through any chain) by a
// window in the band: an owned dialog of a topmost window stays above it.
bool InTopmostBand(HWND hwnd) {
    for (int guard = 0; guard < 64; ++guard) {
        const WindowRecord* record = LookupWindow(hwnd);
        if (!record) {
            return false;
        }
        if (record->exStyle & WS_EX_TOPMOST) {
            return true;
        }
        if (!record->owner) {
            return false;
        }
        hwnd = RootWindow(record->owner);
    }
    return false;
}

HWND OwnerRoot(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record && record->owner ? RootWindow(record->owner) : HWND{};
}

void SyncBackend() {
    std::vector<uint32_t> ids;
    ids.reserve(WindowManager().topLevels.size());
    for (HWND hwnd : WindowManager().topLevels) {
        ids.push_back(hwnd.Value());
        if (const WindowRecord* record = LookupWindow(hwnd)) {
            display::CurrentBackend().SetTopmost(hwnd.Value(),
                                                 (record->exStyle & WS_EX_TOPMOST) != 0);
        }
    }
    display::CurrentBackend().Restack(ids);
}

} // namespace

void LinkNewWindow(WindowRecord& record) {
    SiblingOrder& siblings = SiblingList(record);
    if (record.parent) {
        siblings.PushBack(record.hwnd);
        return;
    }
    siblings.PushFront(record.hwnd);
    NormalizeTopLevelOrder(true);
}

void UnlinkWindow(const WindowRecord& record) {
    SiblingList(record).Remove(record.hwnd);
}

bool Restack(HWND hwnd, HWND insertAfter) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || insertAfter == hwnd) {
        return false;
    }
    SiblingOrder& siblings = SiblingList(*record);
    if (!record->parent) {
        if (insertAfter == HWND_TOPMOST) {
            record->exStyle |= WS_EX_TOPMOST;
            insertAfter = HWND_TOP;
        } else if (insertAfter == HWND_NOTOPMOST) {
            record->exStyle &= ~WS_EX_TOPMOST;
            insertAfter = HWND_TOP;
        }
    } else if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        insertAfter = HWND_TOP;
    }

    // Where it sits now and where it goes, counted without it; it stays when they match.
    const auto at = siblings.Find(hwnd);
    if (at == siblings.end()) {
        return false;
    }
    const auto from = static_cast<size_t>(at - siblings.begin());
    size_t to = 0;
    if (insertAfter == HWND_BOTTOM) {
        to = siblings.size() - 1;
    } else if (insertAfter != HWND_TOP) {
        const auto after = siblings.Find(insertAfter);
        if (after != siblings.end()) {
            const auto index = static_cast<size_t>(after - siblings.begin());
            to = index < from ? index + 1 : index;
        }
    }
    const bool changed = to != from;
    if (changed) {
        siblings.Erase(from);
        siblings.Insert(to, hwnd);
    }
    if (!record->parent) {
        NormalizeTopLevelOrder(changed);
    }
    return changed;
}

void NormalizeTopLevelOrder(bool changed) {
    // The top-level windows are few: reordered as a plain list.
    SiblingOrder& kept = WindowManager().topLevels;
    const std::vector<HWND> before = kept;
    std::vector<HWND> order = before;
    std::stable_partition(order.begin(), order.end(), InTopmostBand);
    // Lift every owned window found below its owner to just above it; owned chains settle in a
    // few passes.
    for (size_t pass = 0; pass <= order.size(); ++pass) {
        bool moved = false;
        for (size_t i = 0; i < order.size(); ++i) {
            const HWND ownerRoot = OwnerRoot(order[i]);
            if (!ownerRoot || ownerRoot == order[i]) {
                continue;
            }
            const auto ownerIt = std::find(order.begin(), order.end(), ownerRoot);
            const size_t ownerIndex = static_cast<size_t>(ownerIt - order.begin());
            if (ownerIt != order.end() && ownerIndex < i) {
                const HWND owned = order[i];
                order.erase(order.begin() + static_cast<ptrdiff_t>(i));
                order.insert(order.begin() + static_cast<ptrdiff_t>(ownerIndex), owned);
                moved = true;
            }
        }
        if (!moved) {
            break;
        }
    }
    if (order != before) {
        kept.Assign(order);
    }
    if (changed || order != before) {
        SyncBackend();
    }
}

} // namespace win::detail

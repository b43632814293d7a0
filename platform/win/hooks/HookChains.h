#pragma once

#include "platform/win/WinTypes.h"

#include <memory>
#include <vector>

namespace win::detail {

// Every installed hook of the thread, and the stack of chain walks in progress. A walk runs over a
// snapshot of its chain, so hooks installed or removed by a hook procedure neither reorder nor
// invalidate it; removed entries are skipped when the walk reaches them.
class HookChains {
public:
    static HookChains& Instance();

    HHOOK Install(int idHook, HOOKPROC proc);
    bool Remove(HHOOK hook);
    LRESULT Walk(int idHook, int nCode, WPARAM wParam, LPARAM lParam);
    LRESULT CallNext(int nCode, WPARAM wParam, LPARAM lParam);

    bool HasHooks(int idHook) const;
    size_t LiveCount() const { return m_hooks.size(); }
    void Reset();

private:
    struct Entry {
        HHOOK handle;
        int idHook = 0;
        HOOKPROC proc = nullptr;
        bool removed = false;
    };
    struct WalkFrame {
        std::vector<std::shared_ptr<Entry>> snapshot;
        size_t next = 0;
    };

    LRESULT CallFrom(WalkFrame& frame, int nCode, WPARAM wParam, LPARAM lParam);

    // Oldest first; a walk reads it backwards.
    std::vector<std::shared_ptr<Entry>> m_hooks;
    std::vector<WalkFrame*> m_walks;
};

} // namespace win::detail

#include "platform/win/hooks/HookChains.h"

#include "platform/win/test/Probes.h"

#include <algorithm>
#include <exception>

namespace win::detail {

HookChains& HookChains::Instance() {
    thread_local HookChains chains;
    return chains;
}

HHOOK HookChains::Install(int idHook, HOOKPROC proc) {
    auto entry = std::make_shared<Entry>();
    entry->handle = HHOOK::New();
    entry->idHook = idHook;
    entry->proc = proc;
    m_hooks.push_back(entry);
    return entry->handle;
}

bool HookChains::Remove(HHOOK hook) {
    const auto it = std::find_if(m_hooks.begin(), m_hooks.end(),
                                 [hook](const auto& e) { return e->handle == hook; });
    if (!hook || it == m_hooks.end()) {
        return false;
    }
    (*it)->removed = true;
    m_hooks.erase(it);
    return true;
}

bool HookChains::HasHooks(int idHook) const {
    return std::any_of(m_hooks.begin(), m_hooks.end(),
                       [idHook](const auto& e) { return e->idHook == idHook; });
}

LRESULT HookChains::Walk(int idHook, int nCode, WPARAM wParam, LPARAM lParam) {
    if (!HasHooks(idHook)) {
        return 0;
    }
    WalkFrame frame;
    for (auto it = m_hooks.rbegin(); it != m_hooks.rend(); ++it) {
        if ((*it)->idHook == idHook) {
            frame.snapshot.push_back(*it);
        }
    }
    m_walks.push_back(&frame);
    struct PopOnExit {
        std::vector<WalkFrame*>& walks;
        ~PopOnExit() { walks.pop_back(); }
    } pop{m_walks};
    return CallFrom(frame, nCode, wParam, lParam);
}

LRESULT HookChains::CallNext(int nCode, WPARAM wParam, LPARAM lParam) {
    if (m_walks.empty()) {
        return 0;
    }
    return CallFrom(*m_walks.back(), nCode, wParam, lParam);
}

LRESULT HookChains::CallFrom(WalkFrame& frame, int nCode, WPARAM wParam, LPARAM lParam) {
    size_t index = frame.next;
    while (index < frame.snapshot.size() && frame.snapshot[index]->removed) {
        ++index;
    }
    if (index >= frame.snapshot.size()) {
        return 0;
    }
    const Entry& entry = *frame.snapshot[index];
    // While this hook runs, CallNextHookEx continues after it, however often it is called.
    frame.next = index + 1;
    try {
        const LRESULT result = entry.proc(nCode, wParam, lParam);
        frame.next = index + 1;
        return result;
    } catch (const std::exception& e) {
        test::RecordCaughtException("hook procedure", e.what());
    } catch (...) {
        test::RecordCaughtException("hook procedure", "unknown exception");
    }
    // A failed hook passes the call on.
    frame.next = index + 1;
    return CallFrom(frame, nCode, wParam, lParam);
}

void HookChains::Reset() {
    for (const auto& entry : m_hooks) {
        entry->removed = true;
    }
    m_hooks.clear();
}

} // namespace win::detail

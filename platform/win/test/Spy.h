#pragma once

// The message spy: records what reaches chosen windows, beside the procedure chain (it never
// touches GWL_WNDPROC), including messages the platform generates and SendMessage calls made by
// code. Records appear in delivery order; a message's result is filled in when it returns.

#include "platform/win/WinTypes.h"
#include "platform/win/window/MessageObserver.h"

#include <cstddef>
#include <optional>
#include <unordered_set>
#include <vector>

namespace win::test {

struct SpiedMessage {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    int depth = 0;         // 1 for an outermost delivery
    bool returned = false; // false while the message is still being handled
};

class Spy final : public detail::MessageObserver {
public:
    Spy();
    // Watches hwnd from the start.
    explicit Spy(HWND hwnd);
    ~Spy() override;
    Spy(const Spy&) = delete;
    Spy& operator=(const Spy&) = delete;

    void Watch(HWND hwnd);
    void Unwatch(HWND hwnd);
    // Every window, present and future.
    void WatchAll();

    const std::vector<SpiedMessage>& Messages() const { return m_messages; }
    // The message numbers only, optionally for one window.
    std::vector<UINT> MessageIds(HWND hwnd = {}) const;
    size_t Count(UINT msg, HWND hwnd = {}) const;
    std::optional<SpiedMessage> First(UINT msg, HWND hwnd = {}) const;
    void Clear();

    void BeforeDeliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int depth) override;
    void AfterDeliver(HWND hwnd, UINT msg, LRESULT result, int depth) override;
    void OnReset() override;

private:
    bool Watching(HWND hwnd) const;

    std::unordered_set<HWND> m_windows;
    bool m_all = false;
    std::vector<SpiedMessage> m_messages;
    // One entry per delivery in progress: the index of its record, or none when not watched.
    std::vector<std::optional<size_t>> m_open;
};

} // namespace win::test

#include "platform/win/test/Spy.h"

#include <algorithm>

namespace win::test {

Spy::Spy() {
    detail::AddMessageObserver(this);
}

Spy::Spy(HWND hwnd) : Spy() {
    Watch(hwnd);
}

Spy::~Spy() {
    detail::RemoveMessageObserver(this);
}

void Spy::Watch(HWND hwnd) {
    m_windows.insert(hwnd);
}

void Spy::Unwatch(HWND hwnd) {
    m_windows.erase(hwnd);
}

void Spy::WatchAll() {
    m_all = true;
}

bool Spy::Watching(HWND hwnd) const {
    return m_all || m_windows.contains(hwnd);
}

std::vector<UINT> Spy::MessageIds(HWND hwnd) const {
    std::vector<UINT> ids;
    for (const SpiedMessage& m : m_messages) {
        if (!hwnd || m.hwnd == hwnd) {
            ids.push_back(m.msg);
        }
    }
    return ids;
}

size_t Spy::Count(UINT msg, HWND hwnd) const {
    return static_cast<size_t>(
        std::count_if(m_messages.begin(), m_messages.end(), [&](const SpiedMessage& m) {
            return m.msg == msg && (!hwnd || m.hwnd == hwnd);
        }));
}

std::optional<SpiedMessage> Spy::First(UINT msg, HWND hwnd) const {
    for (const SpiedMessage& m : m_messages) {
        if (m.msg == msg && (!hwnd || m.hwnd == hwnd)) {
            return m;
        }
    }
    return std::nullopt;
}

void Spy::Clear() {
    m_messages.clear();
    // Deliveries still running keep their place but no longer have a record to complete.
    for (auto& open : m_open) {
        open.reset();
    }
}

void Spy::BeforeDeliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int depth) {
    if (!Watching(hwnd)) {
        m_open.emplace_back();
        return;
    }
    m_messages.push_back({hwnd, msg, wParam, lParam, 0, depth, false});
    m_open.emplace_back(m_messages.size() - 1);
}

void Spy::AfterDeliver(HWND, UINT, LRESULT result, int) {
    // A spy created inside a delivery sees that delivery's end without its start.
    if (m_open.empty()) {
        return;
    }
    const std::optional<size_t> index = m_open.back();
    m_open.pop_back();
    if (index && *index < m_messages.size()) {
        m_messages[*index].result = result;
        m_messages[*index].returned = true;
    }
}

void Spy::OnReset() {
    m_messages.clear();
    m_open.clear();
    m_windows.clear();
    m_all = false;
}

} // namespace win::test

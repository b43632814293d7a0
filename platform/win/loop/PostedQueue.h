#pragma once

#include "platform/win/WinTypes.h"

#include <deque>
#include <optional>

namespace win::detail {

// Messages posted to the thread and its windows, in posting order, and the quit request, which
// is no queued message: it is handed out once the posted messages are gone.
class PostedQueue {
public:
    static PostedQueue& Instance();

    void Post(const MSG& msg) { m_messages.push_back(msg); }

    void RequestQuit(int exitCode) { m_quit = exitCode; }
    std::optional<int> QuitRequest() const { return m_quit; }
    void ClearQuit() { m_quit.reset(); }

    // The first message for which matches is true, taken out when remove is set.
    template <class Predicate>
    std::optional<MSG> Take(Predicate matches, bool remove) {
        for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
            if (matches(*it)) {
                const MSG msg = *it;
                if (remove) {
                    m_messages.erase(it);
                }
                return msg;
            }
        }
        return std::nullopt;
    }

    bool Empty() const { return m_messages.empty() && !m_quit; }
    size_t Size() const { return m_messages.size(); }
    void DropWindow(HWND hwnd);
    void Clear() {
        m_messages.clear();
        m_quit.reset();
    }

private:
    std::deque<MSG> m_messages;
    std::optional<int> m_quit;
};

} // namespace win::detail

#pragma once

// What reaches a test window class's own procedure, beside the spy: the spy sees every delivery
// to a watched window before any procedure runs; the recorder logs only what the class procedure
// itself gets (after subclasses passed it on), and only the messages a test asked for.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace win::test {

struct RecordedMessage {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    // NMHDR::code of a WM_NOTIFY, copied while the structure was alive; 0 for other messages.
    int code = 0;
};

class MessageRecorder {
public:
    void Watch(std::initializer_list<UINT> messages);
    void WatchAll() { m_all = true; }
    bool Watches(UINT msg) const;

    void Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    const std::vector<RecordedMessage>& Log() const { return m_log; }
    std::vector<RecordedMessage> Of(UINT msg) const;
    // The message numbers one window got, in order.
    std::vector<UINT> Messages(HWND hwnd) const;
    size_t Count(UINT msg) const;
    void Clear() { m_log.clear(); }
    // Nothing watched, nothing logged.
    void Reset();

private:
    std::vector<UINT> m_watched;
    bool m_all = false;
    std::vector<RecordedMessage> m_log;
};

} // namespace win::test

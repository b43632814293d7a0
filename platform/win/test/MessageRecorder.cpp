#include "platform/win/test/MessageRecorder.h"

#include "platform/win/WinConstants.h"

#include <algorithm>

namespace win::test {

void MessageRecorder::Watch(std::initializer_list<UINT> messages) {
    m_watched.insert(m_watched.end(), messages.begin(), messages.end());
}

bool MessageRecorder::Watches(UINT msg) const {
    return m_all || std::find(m_watched.begin(), m_watched.end(), msg) != m_watched.end();
}

void MessageRecorder::Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Watches(msg))
        return;
    const int code =
        msg == WM_NOTIFY && lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->code : 0;
    m_log.push_back(RecordedMessage{hwnd, msg, wParam, lParam, code});
}

std::vector<RecordedMessage> MessageRecorder::Of(UINT msg) const {
    std::vector<RecordedMessage> out;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(out),
                 [msg](const RecordedMessage& r) { return r.msg == msg; });
    return out;
}

std::vector<UINT> MessageRecorder::Messages(HWND hwnd) const {
    std::vector<UINT> out;
    for (const RecordedMessage& r : m_log) {
        if (r.hwnd == hwnd)
            out.push_back(r.msg);
    }
    return out;
}

size_t MessageRecorder::Count(UINT msg) const {
    return static_cast<size_t>(std::count_if(
        m_log.begin(), m_log.end(), [msg](const RecordedMessage& r) { return r.msg == msg; }));
}

void MessageRecorder::Reset() {
    m_watched.clear();
    m_all = false;
    m_log.clear();
}

} // namespace win::test

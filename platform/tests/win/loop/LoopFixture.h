#pragma once

#include "platform/win/Win.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace looptest {

using namespace win;

struct Received {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Messages of interest reach every test window through one procedure that logs them and may
// answer some itself.
struct Recorder {
    std::vector<Received> log;
    std::vector<UINT> watched;
    // Answers a message instead of DefWindowProcA when it returns a value.
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer;

    static Recorder& Instance() {
        static Recorder recorder;
        return recorder;
    }

    std::vector<Received> Of(UINT msg) const {
        std::vector<Received> out;
        std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                     [msg](const Received& r) { return r.msg == msg; });
        return out;
    }
    std::vector<UINT> Messages(HWND hwnd) const {
        std::vector<UINT> out;
        for (const Received& r : log) {
            if (r.hwnd == hwnd) {
                out.push_back(r.msg);
            }
        }
        return out;
    }
};

inline LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Recorder& recorder = Recorder::Instance();
    if (std::find(recorder.watched.begin(), recorder.watched.end(), msg) !=
        recorder.watched.end()) {
        recorder.log.push_back(Received{hwnd, msg, wParam, lParam});
    }
    if (recorder.answer) {
        if (const auto result = recorder.answer(hwnd, msg, wParam, lParam)) {
            return *result;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Every test starts and ends on a clean platform; whatever a test leaves behind must go.
class LoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetPlatform();
        Recorder::Instance() = Recorder{};
        Register("LoopPlain", 0);
        Register("LoopDbl", CS_DBLCLKS);
    }

    void TearDown() override {
        test::resetPlatform();
        Recorder::Instance() = Recorder{};
        EXPECT_EQ(test::LiveWindowCount(), 0u);
        EXPECT_EQ(test::liveHookCount(), 0u);
        EXPECT_EQ(test::liveTimerCount(), 0u);
    }

    static void Register(const char* name, UINT style) {
        WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }

    static void Watch(std::initializer_list<UINT> messages) {
        auto& watched = Recorder::Instance().watched;
        watched.insert(watched.end(), messages.begin(), messages.end());
    }
    static Recorder& Rec() { return Recorder::Instance(); }

    // A visible popup at screen rect (x, y, w, h), without a frame: client == window.
    static HWND TopLevel(int x, int y, int w, int h, const char* cls = "LoopPlain",
                         DWORD exStyle = 0) {
        return CreateWindowExA(exStyle, cls, "", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                               nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, int x, int y, int w, int h, const char* cls = "LoopPlain",
                      DWORD style = 0) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, nullptr, nullptr);
    }
};

} // namespace looptest

#pragma once

#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace wmtest {

using namespace win;

// Lets a test answer chosen messages of its windows; everything else goes to DefWindowProcA.
struct Handlers {
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer;

    static Handlers& Instance() {
        static Handlers handlers;
        return handlers;
    }
};

inline LRESULT TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (const auto& answer = Handlers::Instance().answer) {
        if (const auto result = answer(hwnd, msg, wParam, lParam)) {
            return *result;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A clean platform before and after every test, with two test classes registered: "WmTest"
// (white background) and "WmBare" (no background).
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetPlatform();
        Handlers::Instance() = Handlers{};
        Register("WmTest", HBRUSH::FromValue(COLOR_WINDOW + 1));
        Register("WmBare", HBRUSH{});
    }

    void TearDown() override {
        Handlers::Instance() = Handlers{};
        test::resetPlatform();
        EXPECT_EQ(test::LiveWindowCount(), 0u);
        EXPECT_EQ(test::LiveDcCount(), 0u);
        EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
    }

    static void Register(const char* name, HBRUSH background, UINT style = 0) {
        WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = TestProc;
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }

    static void Answer(std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer) {
        Handlers::Instance().answer = std::move(answer);
    }

    static HWND TopLevel(int x, int y, int cx, int cy, DWORD style = WS_OVERLAPPED | WS_VISIBLE,
                         DWORD exStyle = 0, HWND owner = {}) {
        return CreateWindowExA(exStyle, "WmTest", "top", style, x, y, cx, cy, owner, {}, {},
                               nullptr);
    }

    static HWND Child(HWND parent, int x, int y, int cx, int cy,
                      DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0, int id = 0,
                      const char* className = "WmTest") {
        return CreateWindowExA(exStyle, className, "child", style, x, y, cx, cy, parent,
                               HMENU::FromValue(static_cast<uint32_t>(id)), {}, nullptr);
    }
};

} // namespace wmtest

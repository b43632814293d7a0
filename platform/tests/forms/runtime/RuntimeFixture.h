#pragma once

#include "platform/forms/dialogs/HelpCalls.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace runtimetest {

using namespace win;

// Windows of class "RtTest" run this; a test may answer chosen messages itself.
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

// A clean platform, no dialog responders, no help calls and no reported errors before and after
// every test; windows, DCs, GDI objects and automation objects are back where they started.
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        m_objectsAtStart = ole::LiveObjectCount();
        WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TestProc;
        wc.hbrBackground = HBRUSH::FromValue(COLOR_WINDOW + 1);
        wc.lpszClassName = "RtTest";
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }

    void TearDown() override {
        Reset();
        EXPECT_EQ(test::LiveWindowCount(), 0u);
        EXPECT_EQ(test::LiveDcCount(), 0u);
        EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
        EXPECT_EQ(ole::LiveObjectCount(), m_objectsAtStart);
    }

    static void Reset() {
        Handlers::Instance() = Handlers{};
        forms::ResetDialogResponders();
        forms::TakeHelpCalls();
        ole::TakeReportedErrors();
        test::resetPlatform();
    }

    static void Answer(std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer) {
        Handlers::Instance().answer = std::move(answer);
    }

    static HWND TopLevel(DWORD exStyle = 0) {
        return CreateWindowExA(exStyle, "RtTest", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                               100, 400, 300, {}, {}, {}, nullptr);
    }

    static HWND Child(HWND parent) {
        return CreateWindowExA(0, "RtTest", "child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, parent,
                               HMENU::FromValue(7), {}, nullptr);
    }

    static forms::MessageBoxResponderType& Responder() { return forms::MessageBoxResponder(); }

private:
    size_t m_objectsAtStart = 0;
};

} // namespace runtimetest

#pragma once

// A window class that logs what reaches it, a C++ listener driven by a callback, and a fixture
// that checks windows, records and objects return to where they started.

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/WinConstants.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/WindowLong.h"
#include "shared/subclass/SubclassWnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace subclasstest {

using namespace win;

// A message the class procedure answers with wParam + lParam, so results can be traced.
inline constexpr UINT WM_TEST = WM_USER + 1;
// Another one nobody hooks.
inline constexpr UINT WM_OTHER = WM_USER + 2;

struct Delivery {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

inline std::vector<Delivery>& ClassLog() {
    static std::vector<Delivery> log;
    return log;
}

inline size_t ClassCount(UINT msg) {
    size_t n = 0;
    for (const Delivery& d : ClassLog())
        n += d.msg == msg ? 1 : 0;
    return n;
}

inline LRESULT ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ClassLog().push_back({hwnd, msg, wParam, lParam});
    if (msg == WM_TEST)
        return static_cast<LRESULT>(wParam) + lParam;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline constexpr const char* kClassName = "SubclassTestWindow";

using ListenerFn =
    std::function<LRESULT(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& route)>;

class TestListener final : public ole::Object, public shared::cSubclassListener {
public:
    explicit TestListener(ListenerFn fn = {}) : m_fn(std::move(fn)) {}

    LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                              bool& route) override {
        calls.push_back({hwnd, msg, wParam, lParam});
        return m_fn ? m_fn(hwnd, msg, wParam, lParam, route) : 0;
    }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<TestListener>("TestListener").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::vector<Delivery> calls;

private:
    ListenerFn m_fn;
};

inline ole::Ptr<TestListener> MakeListener(ListenerFn fn = {}) {
    return ole::MakeObject<TestListener>(std::move(fn));
}

class SubclassFixture : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetPlatform();
        m_objects = ole::LiveObjectCount();
        ClassLog().clear();
        WNDCLASSEXA wc;
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &ClassProc;
        wc.lpszClassName = kClassName;
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }
    void TearDown() override {
        // Listener failures never reach the platform's boundary.
        EXPECT_TRUE(test::CaughtExceptions().empty());
        test::resetPlatform();
        EXPECT_EQ(shared::SubclassWnd::Module().RecordCount(), 0u);
        EXPECT_EQ(test::LiveWindowCount(), 0u);
        EXPECT_EQ(ole::LiveObjectCount(), m_objects);
    }

    static HWND MakeWindow(HWND parent = {}) {
        const DWORD style = parent ? (WS_CHILD | WS_VISIBLE) : (WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        return CreateWindowExA(0, kClassName, "", style, 10, 10, 120, 80, parent, {}, {}, nullptr);
    }
    static WNDPROC ProcOf(HWND hwnd) {
        return reinterpret_cast<WNDPROC>(GetWindowLongA(hwnd, GWL_WNDPROC));
    }
    static shared::SubclassWnd& Module() { return shared::SubclassWnd::Module(); }

private:
    size_t m_objects = 0;
};

} // namespace subclasstest

#pragma once

// A test window class whose recorder logs what reaches it, a C++ listener driven by a callback,
// and a clean-platform fixture that also checks no subclass record outlives the test.

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/WinConstants.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/WindowLong.h"
#include "shared/subclass/SubclassWnd.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace subclasstest {

using namespace win;

// A message the class procedure answers with wParam + lParam.
inline constexpr UINT WM_TEST = WM_USER + 1;
// Another one nobody hooks.
inline constexpr UINT WM_OTHER = WM_USER + 2;

using Delivery = test::RecordedMessage;

// What reaches the test class's own procedure (every message).
inline test::MessageRecorder& ClassLog() {
    return test::TestWindowClass::Recorder();
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

class SubclassFixture : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ClassLog().WatchAll();
        // The class answers WM_TEST with wParam + lParam, so results can be traced.
        test::TestWindowClass::Answer(
            [](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
                if (msg != WM_TEST)
                    return std::nullopt;
                return static_cast<LRESULT>(wParam) + lParam;
            });
        ASSERT_NE(test::TestWindowClass::Register(kClassName), 0);
    }
    void TearDown() override {
        CleanPlatform::TearDown();
        EXPECT_EQ(shared::SubclassWnd::Module().RecordCount(), 0u);
    }

    static HWND MakeWindow(HWND parent = {}) {
        const DWORD style = parent ? (WS_CHILD | WS_VISIBLE) : (WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        return CreateWindowExA(0, kClassName, "", style, 10, 10, 120, 80, parent, {}, {}, nullptr);
    }
    static WNDPROC ProcOf(HWND hwnd) {
        return reinterpret_cast<WNDPROC>(GetWindowLongA(hwnd, GWL_WNDPROC));
    }
    static shared::SubclassWnd& Module() { return shared::SubclassWnd::Module(); }
};

} // namespace subclasstest

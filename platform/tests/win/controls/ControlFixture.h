#pragma once

#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/input/Caret.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/timer/Timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace controltest {

using namespace win;

struct Received {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The parent window of the controls under test: it logs what its children report
// (WM_COMMAND, WM_HSCROLL, WM_VSCROLL, WM_NOTIFY, WM_CTLCOLOR*) and may answer messages itself.
struct Parent {
    std::vector<Received> log;
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer;

    static Parent& Get() {
        static Parent parent;
        return parent;
    }
    std::vector<Received> Of(UINT msg) const {
        std::vector<Received> out;
        std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                     [msg](const Received& r) { return r.msg == msg; });
        return out;
    }
    // HIWORD(wParam) of every WM_COMMAND, i.e. the notification codes in order.
    std::vector<WORD> Commands() const {
        std::vector<WORD> out;
        for (const Received& r : Of(WM_COMMAND)) {
            out.push_back(HIWORD(r.wParam));
        }
        return out;
    }
    // LOWORD(wParam) of every scroll message.
    std::vector<WORD> ScrollCodes() const {
        std::vector<WORD> out;
        for (const Received& r : log) {
            if (r.msg == WM_HSCROLL || r.msg == WM_VSCROLL) {
                out.push_back(LOWORD(r.wParam));
            }
        }
        return out;
    }
};

inline LRESULT ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Parent& parent = Parent::Get();
    const bool logged = msg == WM_COMMAND || msg == WM_HSCROLL || msg == WM_VSCROLL ||
                        msg == WM_NOTIFY || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
    if (logged) {
        Received r{hwnd, msg, wParam, lParam};
        if (msg == WM_NOTIFY) {
            r.wParam = static_cast<WPARAM>(reinterpret_cast<const NMHDR*>(lParam)->code);
        }
        parent.log.push_back(r);
    }
    if (parent.answer) {
        if (const auto result = parent.answer(hwnd, msg, wParam, lParam)) {
            return *result;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A clean platform around every test; at the end every window the test made is destroyed and the
// window and GDI object counts must be back where they started.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetPlatform();
        Parent::Get() = Parent{};
        WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ParentProc;
        wc.hbrBackground = HBRUSH::FromValue(COLOR_BTNFACE + 1);
        wc.lpszClassName = "CtlParent";
        ASSERT_NE(RegisterClassExA(&wc), 0);
        m_windows = test::LiveWindowCount();
        m_objects = test::LiveGdiObjectCount();
    }

    void TearDown() override {
        std::vector<HWND> topLevels;
        EnumWindows(
            [](HWND hwnd, LPARAM list) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&topLevels));
        for (HWND hwnd : topLevels) {
            DestroyWindow(hwnd);
        }
        EXPECT_EQ(test::LiveWindowCount(), m_windows);
        EXPECT_EQ(test::LiveGdiObjectCount(), m_objects);
        EXPECT_EQ(test::LiveDcCount(), 0u);
        EXPECT_TRUE(test::CaughtExceptions().empty());
        Parent::Get() = Parent{};
        test::resetPlatform();
    }

    static HWND MakeParent(int x = 10, int y = 10, int cx = 300, int cy = 200) {
        const HWND hwnd = CreateWindowExA(0, "CtlParent", "parent", WS_POPUP | WS_VISIBLE, x, y, cx,
                                          cy, {}, {}, {}, nullptr);
        SetActiveWindow(hwnd);
        return hwnd;
    }

    static HWND MakeChild(HWND parent, const char* className, DWORD style, int x, int y, int cx,
                          int cy, int id = 7, const char* text = "") {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy,
                               parent, HMENU::FromValue(static_cast<uint32_t>(id)), {}, nullptr);
    }

    static void Answer(std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> f) {
        Parent::Get().answer = std::move(f);
    }

private:
    size_t m_windows = 0;
    size_t m_objects = 0;
};

// User input, delivered before returning.
inline void Type(std::string_view text) {
    test::typeText(text);
    test::pump();
}
inline void Key(int vk, test::Modifiers modifiers = test::Modifiers::None) {
    test::keyPress(vk, modifiers);
    test::pump();
}
inline void Click(HWND hwnd, POINT pt) {
    test::click(hwnd, pt);
    test::pump();
}
inline void Drag(HWND hwnd, POINT from, POINT to) {
    test::drag(hwnd, from, to);
    test::pump();
}

inline std::string TextOf(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// A pixel of a control's client area, read from its top-level window's framebuffer.
inline COLORREF ClientPixel(HWND hwnd, int x, int y) {
    POINT pt{x, y};
    ClientToScreen(hwnd, &pt);
    const HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT frame;
    GetWindowRect(root, &frame);
    return test::WindowPixel(root, pt.x - frame.left, pt.y - frame.top);
}

// How many pixels of the client rectangle area of hwnd have the given colour.
inline int CountPixels(HWND hwnd, RECT area, COLORREF color) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += ClientPixel(hwnd, x, y) == color;
        }
    }
    return count;
}

inline std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

} // namespace controltest

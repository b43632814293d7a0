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
#include "platform/win/test/TestWindowClass.h"
#include "platform/win/timer/Timers.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace controltest {

using namespace win;

using Received = test::RecordedMessage;

// What the controls' parent window got from its children: WM_COMMAND, WM_HSCROLL, WM_VSCROLL,
// WM_NOTIFY and WM_CTLCOLOR*.
inline test::MessageRecorder& Parent() {
    return test::TestWindowClass::Recorder();
}

// HIWORD(wParam) of every WM_COMMAND, i.e. the notification codes in order.
inline std::vector<WORD> Commands() {
    std::vector<WORD> out;
    for (const Received& r : Parent().Of(WM_COMMAND))
        out.push_back(HIWORD(r.wParam));
    return out;
}

// LOWORD(wParam) of every scroll message.
inline std::vector<WORD> ScrollCodes() {
    std::vector<WORD> out;
    for (const Received& r : Parent().Log()) {
        if (r.msg == WM_HSCROLL || r.msg == WM_VSCROLL)
            out.push_back(LOWORD(r.wParam));
    }
    return out;
}

// The NMHDR codes of every WM_NOTIFY, in order.
inline std::vector<int> Notifications() {
    std::vector<int> out;
    for (const Received& r : Parent().Of(WM_NOTIFY))
        out.push_back(r.code);
    return out;
}

// A clean platform around every test, with the parent window class "CtlParent" (an answerable
// test class) whose recorder logs what the children report.
class ControlTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ASSERT_NE(
            test::TestWindowClass::Register("CtlParent", HBRUSH::FromValue(COLOR_BTNFACE + 1)), 0);
        Parent().Watch({WM_COMMAND, WM_HSCROLL, WM_VSCROLL, WM_NOTIFY, WM_CTLCOLORMSGBOX,
                        WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN, WM_CTLCOLORDLG,
                        WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC});
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

    static void Answer(test::TestWindowClass::AnswerFn answer) {
        test::TestWindowClass::Answer(std::move(answer));
    }
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

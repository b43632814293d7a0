#include "LoopFixture.h"

#include "platform/win/loop/ModalLoop.h"

#include <stdexcept>

namespace looptest {
namespace {

using test::MouseButton;

// The hooks a test sets through Hook go at its end, as a program's must.
class HookTest : public LoopTest {
protected:
    HHOOK Hook(int idHook, HOOKPROC proc, DWORD threadId = 0) {
        const HHOOK hook = SetWindowsHookExA(idHook, proc, nullptr, threadId);
        m_hooks.push_back(hook);
        return hook;
    }

    void TearDown() override {
        for (HHOOK hook : m_hooks)
            UnhookWindowsHookEx(hook);
        LoopTest::TearDown();
    }

private:
    std::vector<HHOOK> m_hooks;
};

struct MouseSeen {
    int code = -1;
    UINT msg = 0;
    MOUSEHOOKSTRUCT info;
    bool buttonDown = false;
    POINT cursor;
};

std::vector<MouseSeen> g_mouseSeen;
UINT g_eatMessage = 0;

LRESULT RecordingMouseHook(int code, WPARAM wParam, LPARAM lParam) {
    MouseSeen seen;
    seen.code = code;
    seen.msg = static_cast<UINT>(wParam);
    seen.info = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    seen.buttonDown = GetKeyState(VK_LBUTTON) < 0;
    GetCursorPos(&seen.cursor);
    g_mouseSeen.push_back(seen);
    if (seen.msg == g_eatMessage) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HookTest, MouseHookSeesEachMessageOnceAtDequeueWithItsTarget) {
    g_mouseSeen.clear();
    g_eatMessage = 0;
    const HWND top = TopLevel(100, 100, 200, 200);
    const HWND child = Child(top, 10, 10, 50, 50);
    ASSERT_TRUE(Hook(WH_MOUSE, RecordingMouseHook, GetCurrentThreadId()));

    test::click(POINT{120, 130});
    EXPECT_TRUE(g_mouseSeen.empty()) << "not at injection";
    ASSERT_TRUE(test::pump());
    ASSERT_EQ(g_mouseSeen.size(), 3u);
    EXPECT_EQ(g_mouseSeen[0].msg, UINT{WM_MOUSEMOVE});
    const MouseSeen& down = g_mouseSeen[1];
    EXPECT_EQ(down.code, HC_ACTION);
    EXPECT_EQ(down.msg, UINT{WM_LBUTTONDOWN});
    EXPECT_EQ(down.info.pt, (POINT{120, 130})) << "screen coordinates";
    EXPECT_EQ(down.info.hwnd, child);
    EXPECT_EQ(down.info.wHitTestCode, UINT{HTCLIENT});
    EXPECT_TRUE(down.buttonDown) << "key state is updated before the hook runs";
    EXPECT_EQ(down.cursor, (POINT{120, 130}));
    EXPECT_EQ(g_mouseSeen[2].msg, UINT{WM_LBUTTONUP});
    EXPECT_FALSE(g_mouseSeen[2].buttonDown);

    // While capture is set the hook names the capture window.
    g_mouseSeen.clear();
    SetCapture(top);
    test::mouseMove(POINT{600, 600});
    ASSERT_TRUE(test::pump());
    ASSERT_EQ(g_mouseSeen.size(), 1u);
    EXPECT_EQ(g_mouseSeen[0].info.hwnd, top);
    EXPECT_EQ(g_mouseSeen[0].info.pt, (POINT{600, 600}));
}

TEST_F(HookTest, NonZeroMouseHookResultDiscardsWithoutDeliveryOrActivation) {
    g_mouseSeen.clear();
    const HWND first = TopLevel(0, 0, 100, 100);
    const HWND second = TopLevel(200, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), second);
    Hook(WH_MOUSE, RecordingMouseHook);
    Watch({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEACTIVATE});

    g_eatMessage = WM_LBUTTONDOWN;
    test::click(POINT{10, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(Rec().Messages(first), (std::vector<UINT>{WM_LBUTTONUP}));
    EXPECT_EQ(GetActiveWindow(), second);

    g_eatMessage = 0;
    Rec().Clear();
    test::click(POINT{10, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(GetActiveWindow(), first) << "a press that is not discarded activates";
    EXPECT_EQ(Rec().Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Rec().Of(WM_MOUSEACTIVATE).size(), 1u);
}

HWND g_cbtNew;
HWND g_cbtOld;
LRESULT g_cbtAnswer = 0;

LRESULT CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS) {
        g_cbtNew = HwndFromParam(static_cast<LPARAM>(wParam));
        g_cbtOld = HwndFromParam(lParam);
        if (g_cbtAnswer != 0) {
            return g_cbtAnswer;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HookTest, CbtSetFocusRefusalLeavesFocusAloneAndSendsNothing) {
    const HWND top = TopLevel(0, 0, 200, 200);
    const HWND a = Child(top, 0, 0, 50, 50);
    const HWND b = Child(top, 60, 0, 50, 50);
    SetFocus(a);
    ASSERT_EQ(GetFocus(), a);
    Hook(WH_CBT, CbtHook, GetCurrentThreadId());
    Watch({WM_SETFOCUS, WM_KILLFOCUS});

    g_cbtAnswer = 1;
    EXPECT_EQ(SetFocus(b), HWND{});
    EXPECT_EQ(GetFocus(), a);
    EXPECT_TRUE(Rec().Log().empty());
    EXPECT_EQ(g_cbtNew, b);
    EXPECT_EQ(g_cbtOld, a);

    g_cbtAnswer = 0;
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(Rec().Log().size(), 2u);
}

std::vector<char> g_chainCalls;
HHOOK g_hookA;
HHOOK g_hookB;
HHOOK g_hookC;
HHOOK g_hookLate;

LRESULT HookA(int code, WPARAM wParam, LPARAM lParam) {
    g_chainCalls.push_back('A');
    return 100 + CallNextHookEx(g_hookA, code, wParam, lParam);
}

LRESULT HookLate(int, WPARAM, LPARAM) {
    g_chainCalls.push_back('L');
    return 0;
}

// Unhooks itself, installs another hook, then still passes the call on.
LRESULT HookB(int code, WPARAM wParam, LPARAM lParam) {
    g_chainCalls.push_back('B');
    UnhookWindowsHookEx(g_hookB);
    if (!g_hookLate) {
        g_hookLate = SetWindowsHookExA(WH_GETMESSAGE, HookLate, nullptr, 0);
    }
    return 10 + CallNextHookEx(g_hookB, code, wParam, lParam);
}

LRESULT HookC(int code, WPARAM wParam, LPARAM lParam) {
    g_chainCalls.push_back('C');
    return 1 + CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK g_toRemove;

// Removes an older hook of its own chain before passing on: the walk must skip it.
LRESULT Remover(int code, WPARAM wParam, LPARAM lParam) {
    g_chainCalls.push_back('R');
    UnhookWindowsHookEx(g_toRemove);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT Throwing(int, WPARAM, LPARAM) {
    g_chainCalls.push_back('X');
    throw std::runtime_error("hook failed");
}

TEST_F(HookTest, ChainWalksNewestFirstAndSurvivesHooksChangingTheChain) {
    g_chainCalls.clear();
    g_hookLate = nullptr;
    g_hookA = SetWindowsHookExA(WH_GETMESSAGE, HookA, nullptr, 0);
    g_hookB = SetWindowsHookExA(WH_GETMESSAGE, HookB, nullptr, 0);
    g_hookC = SetWindowsHookExA(WH_GETMESSAGE, HookC, nullptr, 0);
    ASSERT_TRUE(g_hookA && g_hookB && g_hookC);
    EXPECT_EQ(test::liveHookCount(), 3u);

    PostMessageA(nullptr, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // B unhooked itself before passing on; the hook it installed is not part of this walk.
    EXPECT_EQ(g_chainCalls, (std::vector<char>{'C', 'B', 'A'}));
    EXPECT_EQ(test::liveHookCount(), 3u);

    g_chainCalls.clear();
    PostMessageA(nullptr, WM_USER, 0, 0);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(g_chainCalls, (std::vector<char>{'L'}))
        << "the newest hook answers without passing on";
    UnhookWindowsHookEx(g_hookLate);
    EXPECT_FALSE(UnhookWindowsHookEx(g_hookLate)) << "a stale hook handle fails cleanly";

    // The results come back through each CallNextHookEx; the end of the chain yields 0.
    g_chainCalls.clear();
    const HHOOK thrower = SetWindowsHookExA(WH_CBT, Throwing, nullptr, 0);
    const HHOOK c = SetWindowsHookExA(WH_CBT, HookC, nullptr, 0);
    test::ClearCaughtExceptions();
    // A throwing hook counts as passing on.
    EXPECT_EQ(detail::CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, 0), 1);
    EXPECT_EQ(g_chainCalls, (std::vector<char>{'C', 'X'}));
    ASSERT_EQ(test::CaughtExceptions().size(), 1u);
    EXPECT_EQ(test::CaughtExceptions()[0].what, "hook failed");
    test::ClearCaughtExceptions();
    EXPECT_EQ(CallNextHookEx(nullptr, 0, 0, 0), 0) << "outside any walk";

    g_chainCalls.clear();
    g_toRemove = c;
    const HHOOK remover = SetWindowsHookExA(WH_CBT, Remover, nullptr, 0);
    detail::CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, 0);
    EXPECT_EQ(g_chainCalls, (std::vector<char>{'R', 'X'}));
    test::ClearCaughtExceptions();
    UnhookWindowsHookEx(remover);
    UnhookWindowsHookEx(thrower);
    UnhookWindowsHookEx(g_hookA);
    UnhookWindowsHookEx(g_hookC);

    EXPECT_FALSE(SetWindowsHookExA(99, HookA, nullptr, 0));
    EXPECT_FALSE(SetWindowsHookExA(WH_MOUSE, nullptr, nullptr, 0));
    EXPECT_FALSE(SetWindowsHookExA(WH_MOUSE, HookA, nullptr, GetCurrentThreadId() + 1));
}

TEST_F(HookTest, KeyboardHookSeesKeysAtDequeueAndMayEatThem) {
    const HWND top = TopLevel(0, 0, 100, 100);
    SetFocus(top);
    Watch({WM_KEYDOWN, WM_KEYUP, WM_CHAR});
    Hook(WH_KEYBOARD, [](int code, WPARAM vk, LPARAM bits) -> LRESULT {
        // Key-ups carry the transition bit; eat the X key-down only.
        if (vk == 'X' && (bits & 0x80000000) == 0) {
            return 1;
        }
        return CallNextHookEx(nullptr, code, vk, bits);
    });
    test::typeText("xy");
    ASSERT_TRUE(test::pump());
    std::vector<std::pair<UINT, WPARAM>> got;
    for (const Received& r : Rec().Log()) {
        got.emplace_back(r.msg, r.wParam);
    }
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{
                       {WM_KEYUP, 'X'}, {WM_KEYDOWN, 'Y'}, {WM_CHAR, 'y'}, {WM_KEYUP, 'Y'}}));
}

int g_nestedDepth = 0;
int g_maxNestedDepth = 0;
int g_hookDowns = 0;

// Runs a modal loop from inside the hook, as a designer's mouse listener opening a popup does.
LRESULT NestingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (wParam == WM_LBUTTONDOWN) {
        ++g_hookDowns;
        ++g_nestedDepth;
        g_maxNestedDepth = std::max(g_maxNestedDepth, g_nestedDepth);
        if (g_hookDowns == 1) {
            test::click(POINT{20, 20});
            const ModalLoopEnd end = RunModalLoop(
                nullptr, [] { return g_hookDowns >= 2; }, ModalLoopOptions{false, nullptr});
            EXPECT_EQ(end, ModalLoopEnd::Done);
        }
        --g_nestedDepth;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HookTest, ModalLoopInsideAHookCallsTheHookAgain) {
    g_nestedDepth = g_maxNestedDepth = g_hookDowns = 0;
    const HWND top = TopLevel(0, 0, 100, 100);
    Hook(WH_MOUSE, NestingHook);
    Watch({WM_LBUTTONDOWN});
    test::click(POINT{10, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(g_hookDowns, 2);
    EXPECT_EQ(g_maxNestedDepth, 2);
    EXPECT_EQ(Rec().Messages(top).size(), 2u) << "both presses delivered";
}

} // namespace
} // namespace looptest

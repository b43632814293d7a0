#include "X11Fixture.h"

#include "platform/win/WinConstants.h"

#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

namespace displaytest {
namespace {

using namespace win;

class X11InputTest : public X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        m_top = TopLevel(100, 100, 200, 150);
        SetFocus(m_top);
        m_spy.Watch(m_top);
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindow() == m_top; }));
    }

    // The watched messages that reached the window, as (message, wParam).
    std::vector<std::pair<UINT, WPARAM>> Log(std::initializer_list<UINT> kinds) const {
        std::vector<std::pair<UINT, WPARAM>> log;
        for (const test::SpiedMessage& m : m_spy.Messages()) {
            if (m.depth == 1 && std::find(kinds.begin(), kinds.end(), m.msg) != kinds.end()) {
                log.emplace_back(m.msg, m.wParam);
            }
        }
        return log;
    }
    std::string Typed() const {
        std::string text;
        for (const auto& [msg, c] : Log({WM_CHAR})) {
            text += static_cast<char>(c);
        }
        return text;
    }

    HWND m_top;
    test::Spy m_spy;
};

TEST_F(X11InputTest, PointerButtonsDoubleClicksAndWheelArriveInOrderAtTheirPlace) {
    MoveTo(150, 160);
    Click(1);
    Click(1);
    Click(3);
    Click(2);
    Click(4);
    Click(5);
    ASSERT_TRUE(WaitUntil([&] { return m_spy.Count(WM_MOUSEWHEEL) == 2; }));

    const auto buttons = Log({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                              WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP});
    std::vector<UINT> order;
    for (const auto& entry : buttons) {
        order.push_back(entry.first);
    }
    EXPECT_EQ(order,
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                 WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}));
    const auto down = m_spy.First(WM_LBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->lParam, MAKELPARAM(50, 60)) << "client coordinates of (150, 160)";
    const auto wheel = Log({WM_MOUSEWHEEL});
    EXPECT_EQ(static_cast<int16_t>(HIWORD(wheel[0].second)), 120) << "button 4 rolls away";
    EXPECT_EQ(static_cast<int16_t>(HIWORD(wheel[1].second)), -120);
}

TEST_F(X11InputTest, KeysWithModifiersBecomeKeyAndCharacterMessages) {
    Tap(XK_a);
    Key(XK_Shift_L, true);
    Tap(XK_b);
    Key(XK_Shift_L, false);
    Key(XK_Control_L, true);
    Tap(XK_s);
    Key(XK_Control_L, false);
    Key(XK_Alt_L, true);
    Tap(XK_x);
    Key(XK_Alt_L, false);
    Tap(XK_F5);
    Tap(XK_KP_Add);
    Tap(XK_Left);
    ASSERT_TRUE(WaitUntil([&] { return m_spy.Count(WM_KEYUP) == 8; }));

    EXPECT_EQ(Log({WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR}),
              (std::vector<std::pair<UINT, WPARAM>>{
                  {WM_KEYDOWN, 'A'},
                  {WM_CHAR, 'a'},
                  {WM_KEYDOWN, VK_SHIFT},
                  {WM_KEYDOWN, 'B'},
                  {WM_CHAR, 'B'},
                  {WM_KEYDOWN, VK_CONTROL},
                  {WM_KEYDOWN, 'S'},
                  {WM_CHAR, 0x13},
                  {WM_SYSKEYDOWN, VK_MENU},
                  {WM_SYSKEYDOWN, 'X'},
                  {WM_SYSCHAR, 'x'},
                  {WM_KEYDOWN, VK_F5},
                  {WM_KEYDOWN, VK_ADD},
                  {WM_CHAR, '+'},
                  {WM_KEYDOWN, VK_LEFT},
              }));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "modifiers are up again";
}

TEST_F(X11InputTest, AModifierReleasedWhileAnotherWindowHadTheFocusComesUp) {
    Key(XK_Shift_L, true);
    ASSERT_TRUE(WaitUntil([&] { return GetKeyState(VK_SHIFT) < 0; }));
    FocusExternally({});
    ASSERT_TRUE(WaitUntil([&] { return !GetActiveWindow(); }));
    Key(XK_Shift_L, false);
    FocusExternally(m_top);
    EXPECT_TRUE(
        WaitUntil([&] { return GetActiveWindow() == m_top && GetKeyState(VK_SHIFT) >= 0; }));
}

TEST_F(X11InputTest, TypedTextArrivesCharacterForCharacter) {
    TypeText("Hi, 7 \"x\"!");
    // Keys a US keyboard lacks: a letter, and a sign that is unshifted here but shifted there.
    TapSpareKey(XK_udiaeresis);
    TapSpareKey(XK_plus);
    ASSERT_TRUE(WaitUntil([&] { return Log({WM_CHAR}).size() == 12; })) << Typed();
    EXPECT_EQ(Typed().substr(0, 10), "Hi, 7 \"x\"!");
    const auto chars = Log({WM_CHAR});
    EXPECT_EQ(chars[10].second, WPARAM{0xFC});
    EXPECT_EQ(chars[11].second, WPARAM{'+'});
}

TEST_F(X11InputTest, GetMessageSleepsUntilInputOrATimerAndThenReturnsIt) {
    MoveTo(120, 130);
    MSG msg;
    do {
        ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
        DispatchMessageA(&msg);
    } while (msg.message != WM_MOUSEMOVE);
    EXPECT_EQ(msg.hwnd, m_top);

    // A loop that only peeks sees the display's input as well.
    MoveTo(125, 135);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    bool seen = false;
    while (!seen && std::chrono::steady_clock::now() < deadline) {
        seen = PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE) &&
               msg.lParam == MAKELPARAM(25, 35);
    }
    EXPECT_TRUE(seen);

    const DWORD start = GetTickCount();
    SetTimer(m_top, 7, 100, nullptr);
    do {
        ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    } while (msg.message != WM_TIMER);
    EXPECT_EQ(msg.wParam, WPARAM{7});
    EXPECT_GE(GetTickCount() - start, 100u) << "the clock is real time";
}

} // namespace
} // namespace displaytest

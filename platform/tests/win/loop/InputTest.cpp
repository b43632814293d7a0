#include "LoopFixture.h"

#include "platform/win/input/Cursors.h"

namespace looptest {
namespace {

using test::MouseButton;

class InputTest : public LoopTest {};

POINT Pt(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

TEST_F(InputTest, ClickReachesTheWindowUnderThePointWhenDequeued) {
    const HWND back = TopLevel(0, 0, 300, 300);
    const HWND front = TopLevel(100, 100, 200, 200);
    const HWND child = Child(front, 50, 50, 40, 40);
    Watch({WM_LBUTTONDOWN, WM_LBUTTONUP});
    POINT cursorInHandler{-1, -1};
    Answer([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_LBUTTONDOWN) {
            GetCursorPos(&cursorInHandler);
        }
        return std::nullopt;
    });

    test::click(POINT{155, 160});
    test::mouseMove(POINT{5, 5}); // queued after the click: the handler still reads the click point
    EXPECT_TRUE(Rec().Log().empty()) << "injection only queues";
    ASSERT_TRUE(test::pump());

    ASSERT_EQ(Rec().Log().size(), 2u);
    EXPECT_EQ(Rec().Log()[0].hwnd, child);
    EXPECT_EQ(Rec().Log()[0].msg, UINT{WM_LBUTTONDOWN});
    EXPECT_EQ(Pt(Rec().Log()[0].lParam), (POINT{5, 10}));
    EXPECT_EQ(Rec().Log()[0].wParam, MK_LBUTTON);
    EXPECT_EQ(Rec().Log()[1].msg, UINT{WM_LBUTTONUP});
    EXPECT_EQ(Rec().Log()[1].wParam, WPARAM{0});
    EXPECT_EQ(cursorInHandler, (POINT{155, 160}));

    Rec().Clear();
    test::click(POINT{20, 20});
    ASSERT_TRUE(test::pump());
    ASSERT_FALSE(Rec().Log().empty());
    EXPECT_EQ(Rec().Log()[0].hwnd, back);

    // Disabled windows take no input at all.
    Rec().Clear();
    EnableWindow(back, FALSE);
    test::click(POINT{20, 20});
    ASSERT_TRUE(test::pump());
    EXPECT_TRUE(Rec().Log().empty());
}

TEST_F(InputTest, CaptureRedirectsEveryMouseMessageAndReportsItsLoss) {
    const HWND a = TopLevel(0, 0, 100, 100);
    const HWND b = TopLevel(200, 200, 100, 100);
    Watch({WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_SETCURSOR, WM_CAPTURECHANGED});

    EXPECT_EQ(SetCapture(a), HWND{});
    EXPECT_EQ(GetCapture(), a);
    EXPECT_EQ(SetCapture(HWND::FromValue(0x7FFFFFF0)), HWND{}) << "a stale handle changes nothing";
    EXPECT_EQ(GetCapture(), a);
    test::mouseMove(POINT{250, 250});                   // over b
    test::mouseDown(MouseButton::Left, POINT{500, 10}); // over nothing
    ASSERT_TRUE(test::pump());
    EXPECT_TRUE(Rec().Of(WM_SETCURSOR).empty()) << "the capturing window keeps its cursor";
    const auto moves = Rec().Of(WM_MOUSEMOVE);
    const auto downs = Rec().Of(WM_LBUTTONDOWN);
    ASSERT_FALSE(moves.empty());
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(moves.front().hwnd, a);
    EXPECT_EQ(Pt(moves.front().lParam), (POINT{250, 250}));
    EXPECT_EQ(downs[0].hwnd, a);
    EXPECT_EQ(Pt(downs[0].lParam), (POINT{500, 10}));

    Rec().Clear();
    EXPECT_EQ(SetCapture(b), a);
    ASSERT_EQ(Rec().Of(WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(Rec().Of(WM_CAPTURECHANGED)[0].hwnd, a);
    EXPECT_EQ(HwndFromParam(Rec().Of(WM_CAPTURECHANGED)[0].lParam), b);

    Rec().Clear();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), HWND{});
    ASSERT_EQ(Rec().Of(WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(Rec().Of(WM_CAPTURECHANGED)[0].hwnd, b);
    Rec().Clear();
    EXPECT_TRUE(ReleaseCapture()) << "safe without capture";
    EXPECT_TRUE(Rec().Log().empty());

    // Hiding or destroying the capture window releases capture.
    SetCapture(a);
    Rec().Clear();
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(Rec().Of(WM_CAPTURECHANGED).size(), 1u);
    SetCapture(b);
    Rec().Clear();
    DestroyWindow(b);
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(Rec().Of(WM_CAPTURECHANGED).size(), 1u);
}

TEST_F(InputTest, ClipCursorClampsPositionsAsTheyAreInjected) {
    const RECT clip{10, 20, 50, 60};
    ASSERT_TRUE(ClipCursor(&clip));
    RECT read;
    ASSERT_TRUE(GetClipCursor(&read));
    EXPECT_EQ(read, clip);

    test::mouseMove(POINT{500, 5});
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(pt, (POINT{0, 0})) << "the cursor moves when the move is retrieved";
    ClipCursor(nullptr); // clamping already happened at injection
    ASSERT_TRUE(test::pump());
    GetCursorPos(&pt);
    EXPECT_EQ(pt, (POINT{49, 20}));

    ASSERT_TRUE(GetClipCursor(&read));
    EXPECT_EQ(read, (RECT{0, 0, 1024, 768}));
    SetCursorPos(700, 700);
    ASSERT_TRUE(test::pump());
    GetCursorPos(&pt);
    EXPECT_EQ(pt, (POINT{700, 700}));

    // A rectangle equal to the screen unclips.
    ClipCursor(&clip);
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    ClipCursor(&screen);
    SetCursorPos(1000, 5);
    ASSERT_TRUE(test::pump());
    GetCursorPos(&pt);
    EXPECT_EQ(pt, (POINT{1000, 5}));
}

TEST_F(InputTest, DoubleClicksOnlyForDoubleClickClassesWithinTimeAndDistance) {
    const HWND dbl = TopLevel(0, 0, 100, 100, "LoopDbl");
    const HWND plain = TopLevel(200, 0, 100, 100, "LoopPlain");
    Watch({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK});
    const auto presses = [&](HWND hwnd) {
        auto msgs = Rec().Messages(hwnd);
        Rec().Clear();
        return msgs;
    };
    const std::vector<UINT> downDbl{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    const std::vector<UINT> downDown{WM_LBUTTONDOWN, WM_LBUTTONDOWN};

    test::doubleClick(POINT{10, 10});
    test::click(POINT{10, 10}); // a third press starts over
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));

    test::advanceTime(1000);
    test::doubleClick(POINT{210, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(plain), downDown);

    // Time on the virtual clock: 500 ms still pairs, 501 does not.
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::advanceTime(500);
    test::click(POINT{10, 10});
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::advanceTime(501);
    test::click(POINT{10, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN,
                                               WM_LBUTTONDOWN}));

    // Distance: a 4 x 4 box centred on the first press (offsets -2 to +1).
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::click(POINT{11, 8});
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::click(POINT{12, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN,
                                               WM_LBUTTONDOWN}));

    // Different buttons never pair; the setting changes the time.
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::click(POINT{10, 10}, MouseButton::Right);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_RBUTTONDOWN}));
    test::setDoubleClickTime(100);
    EXPECT_EQ(GetDoubleClickTime(), 100u);
    test::advanceTime(1000);
    test::click(POINT{10, 10});
    test::advanceTime(150);
    test::click(POINT{10, 10});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(presses(dbl), downDown);
}

TEST_F(InputTest, KeysGoToTheFocusWindowElseTheActiveWindow) {
    const HWND top = TopLevel(0, 0, 200, 200);
    const HWND first = Child(top, 0, 0, 50, 50);
    const HWND second = Child(top, 60, 0, 50, 50);
    Watch({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR});
    short shiftInHandler = 0;
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_KEYDOWN && wParam == 'A') {
            shiftInHandler = GetKeyState(VK_SHIFT);
        }
        return std::nullopt;
    });

    SetFocus(second);
    test::keyPress('A', test::Modifiers::Shift);
    ASSERT_TRUE(test::pump());
    EXPECT_TRUE(Rec().Messages(first).empty());
    std::vector<std::pair<UINT, WPARAM>> got;
    for (const Received& r : Rec().Log()) {
        EXPECT_EQ(r.hwnd, second);
        got.emplace_back(r.msg, r.wParam);
    }
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_SHIFT},
                                                         {WM_KEYDOWN, 'A'},
                                                         {WM_CHAR, 'A'},
                                                         {WM_KEYUP, 'A'},
                                                         {WM_KEYUP, VK_SHIFT}}));
    EXPECT_LT(shiftInHandler, 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);

    // Key-down lParam: repeat 1, previous state and transition bits.
    const LPARAM downBits = Rec().Of(WM_KEYDOWN)[1].lParam;
    const LPARAM upBits = Rec().Of(WM_KEYUP)[0].lParam;
    EXPECT_EQ(downBits & 0xFFFF, 1);
    EXPECT_EQ((downBits >> 30) & 3, 0);
    EXPECT_EQ((upBits >> 30) & 3, 3);

    // Alt combinations and F10 are system keys; Alt+letter types a WM_SYSCHAR.
    Rec().Clear();
    test::keyPress('F', test::Modifiers::Alt);
    test::keyPress(VK_F10);
    ASSERT_TRUE(test::pump());
    got.clear();
    for (const Received& r : Rec().Log()) {
        got.emplace_back(r.msg, r.wParam);
    }
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{{WM_SYSKEYDOWN, VK_MENU},
                                                         {WM_SYSKEYDOWN, 'F'},
                                                         {WM_SYSCHAR, 'f'},
                                                         {WM_SYSKEYUP, 'F'},
                                                         {WM_SYSKEYUP, VK_MENU},
                                                         {WM_SYSKEYDOWN, VK_F10},
                                                         {WM_SYSKEYUP, VK_F10}}));

    // Without a focus window the active top-level window takes the keys.
    SetFocus(nullptr);
    ASSERT_EQ(GetActiveWindow(), top);
    Rec().Clear();
    test::typeText("a1\n");
    ASSERT_TRUE(test::pump());
    std::string typed;
    for (const Received& r : Rec().Of(WM_CHAR)) {
        EXPECT_EQ(r.hwnd, top);
        typed += static_cast<char>(r.wParam);
    }
    EXPECT_EQ(typed, "a1\r");
}

TEST_F(InputTest, TypedTextBecomesCharactersIncludingOnesNoKeyTypes) {
    const HWND top = TopLevel(0, 0, 200, 200);
    SetFocus(top);
    Watch({WM_CHAR});
    test::typeText("Hi, \xC3\xA9!");
    ASSERT_TRUE(test::pump());
    std::vector<WPARAM> chars;
    for (const Received& r : Rec().Log()) {
        chars.push_back(r.wParam);
    }
    EXPECT_EQ(chars, (std::vector<WPARAM>{'H', 'i', ',', ' ', 0xE9, '!'}));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "typing releases what it pressed";

    // Caps Lock flips letters (not digits); Ctrl+letter types its control code.
    Rec().Clear();
    test::keyPress(VK_CAPITAL);
    test::typeText("a1A");
    test::keyPress(VK_CAPITAL);
    test::keyPress('C', test::Modifiers::Control);
    ASSERT_TRUE(test::pump());
    chars.clear();
    for (const Received& r : Rec().Log()) {
        chars.push_back(r.wParam);
    }
    EXPECT_EQ(chars, (std::vector<WPARAM>{'A', '1', 'a', 3}));
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

TEST_F(InputTest, WheelGoesToTheFocusWindowWithScreenCoordinates) {
    const HWND top = TopLevel(0, 0, 200, 200);
    const HWND list = Child(top, 100, 100, 50, 50);
    const HWND other = Child(top, 0, 0, 50, 50);
    SetFocus(list);
    Watch({WM_MOUSEWHEEL});
    test::wheel(POINT{10, 10}, -WHEEL_DELTA);
    ASSERT_TRUE(test::pump());
    const auto wheels = Rec().Of(WM_MOUSEWHEEL);
    ASSERT_FALSE(wheels.empty());
    EXPECT_EQ(wheels[0].hwnd, list);
    EXPECT_TRUE(Rec().Messages(other).empty());
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -WHEEL_DELTA);
    EXPECT_EQ(Pt(wheels[0].lParam), (POINT{10, 10}));
}

TEST_F(InputTest, SetCursorIsSentOnMovesAndTheClassCursorShows) {
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &test::TestWindowClass::Proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = "LoopIbeam";
    ASSERT_NE(RegisterClassExA(&wc), 0);
    const HWND top = TopLevel(0, 0, 200, 200);
    const HWND edit = Child(top, 10, 10, 50, 50, "LoopIbeam");
    Watch({WM_SETCURSOR, WM_MOUSEMOVE});

    test::mouseMove(POINT{20, 20});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(Rec().Messages(edit), (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE}))
        << "before the move itself";
    ASSERT_FALSE(Rec().Log().empty());
    EXPECT_EQ(Rec().Log()[0].hwnd, edit);
    EXPECT_EQ(HwndFromParam(static_cast<LPARAM>(Rec().Log()[0].wParam)), edit);
    EXPECT_EQ(LOWORD(Rec().Log()[0].lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(Rec().Log()[0].lParam), WM_MOUSEMOVE);
    EXPECT_EQ(test::currentCursorId(), IDC_IBEAM);

    // A handler that answers TRUE keeps its own cursor.
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_SETCURSOR && hwnd == edit) {
            SetCursor(LoadCursorA(nullptr, IDC_CROSS));
            return TRUE;
        }
        return std::nullopt;
    });
    test::mouseMove(POINT{21, 20});
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(test::currentCursorId(), IDC_CROSS);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_EQ(LoadCursorA(nullptr, 12345), HCURSOR{});
}

TEST_F(InputTest, HitTestPicksNonClientMessagesAndTransparentWindowsPassThrough) {
    const HWND below = TopLevel(0, 0, 200, 200);
    const HWND caption = TopLevel(300, 0, 100, 100);
    const HWND glass = TopLevel(0, 0, 100, 100);
    Watch({WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCMOUSEMOVE});
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST && hwnd == caption) {
            return HTCAPTION;
        }
        if (msg == WM_NCHITTEST && hwnd == glass) {
            return HTTRANSPARENT;
        }
        return std::nullopt;
    });

    test::click(POINT{310, 20});
    test::click(POINT{50, 50});
    ASSERT_TRUE(test::pump());
    const auto nc = Rec().Of(WM_NCLBUTTONDOWN);
    ASSERT_EQ(nc.size(), 1u);
    EXPECT_EQ(nc[0].hwnd, caption);
    EXPECT_EQ(nc[0].wParam, WPARAM{HTCAPTION});
    EXPECT_EQ(Pt(nc[0].lParam), (POINT{310, 20})) << "non-client points are in screen pixels";
    EXPECT_FALSE(Rec().Of(WM_NCMOUSEMOVE).empty());
    const auto downs = Rec().Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, below);
}

TEST_F(InputTest, PeekWithoutRemoveChangesNothingAndCallsNoHook) {
    const HWND top = TopLevel(0, 0, 200, 200);
    static int hookCalls = 0;
    hookCalls = 0;
    const HHOOK hook = SetWindowsHookExA(
        WH_MOUSE,
        [](int code, WPARAM w, LPARAM l) -> LRESULT {
            ++hookCalls;
            return CallNextHookEx(nullptr, code, w, l);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);

    test::mouseDown(MouseButton::Left, POINT{30, 40});
    MSG msg;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
        EXPECT_EQ(msg.hwnd, top);
        EXPECT_EQ(msg.message, UINT{WM_MOUSEMOVE});
    }
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(pt, (POINT{0, 0}));
    EXPECT_EQ(hookCalls, 0);
    EXPECT_EQ(test::pendingInputCount(), 2u);

    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT{WM_MOUSEMOVE});
    EXPECT_EQ(hookCalls, 1);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT{WM_LBUTTONDOWN});
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0) << "the press is not retrieved yet";
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(msg.pt, (POINT{30, 40}));
    EXPECT_EQ(GetMessagePos(), static_cast<DWORD>(MAKELONG(30, 40)));
    EXPECT_EQ(hookCalls, 2);
    UnhookWindowsHookEx(hook);
}

} // namespace
} // namespace looptest

#include "ControlFixture.h"

#include "platform/win/controls/common/CommonControls.h"

namespace controltest {
namespace {

class TooltipTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent(10, 10, 300, 200);
        tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, parent, {},
                              {}, nullptr);
        ASSERT_TRUE(tip);
        test::pump();
    }

    TOOLINFOA Info(UINT_PTR id, const char* text, UINT flags = TTF_SUBCLASS,
                   RECT rect = {20, 20, 120, 60}) const {
        TOOLINFOA ti;
        ti.cbSize = sizeof ti;
        ti.uFlags = flags;
        ti.hwnd = parent;
        ti.uId = id;
        ti.rect = rect;
        ti.lpszText = const_cast<LPSTR>(text);
        return ti;
    }
    bool Add(TOOLINFOA ti) const {
        return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
    }
    static void Move(HWND hwnd, POINT pt) {
        test::mouseMove(hwnd, pt);
        test::pump();
    }
    bool Shown() const { return IsWindowVisible(tip) != FALSE; }

    HWND parent;
    HWND tip;
};

TEST_F(TooltipTest, CreatedAsAnOwnedTopmostHiddenPopupThatDiesWithItsOwner) {
    EXPECT_EQ(GetWindow(tip, GW_OWNER), parent);
    EXPECT_FALSE(IsWindowVisible(tip));
    const auto style = static_cast<DWORD>(GetWindowLongA(tip, GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(GetWindowLongA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);

    const HWND panel = MakeChild(parent, "CtlParent", 0, 0, 0, 50, 50);
    const HWND owned = CreateWindowExA(0, "tooltips_class32", nullptr, WS_CAPTION, 0, 0, 0, 0,
                                       panel, {}, {}, nullptr);
    ASSERT_TRUE(owned);
    EXPECT_FALSE(GetWindowLongA(owned, GWL_STYLE) & WS_CAPTION);
    const HWND asked = CreateWindowExA(0, "tooltips_class32", nullptr, WS_VISIBLE, 0, 0, 0, 0,
                                       panel, {}, {}, nullptr);
    EXPECT_FALSE(IsWindowVisible(asked)) << "hidden until a tip shows, even when created visible";
    DestroyWindow(panel);
    EXPECT_FALSE(IsWindow(owned)) << "a tooltip owned by a child dies with it";

    INITCOMMONCONTROLSEX init{8, 0xFF | ICC_DATE_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&init));
    init.dwSize = 12;
    EXPECT_FALSE(InitCommonControlsEx(&init));
    InitCommonControls();
}

TEST_F(TooltipTest, EveryMessageOnTheSpy) {
    test::Spy spy(tip);
    auto send = [&](UINT msg, WPARAM wParam, const void* lParam) {
        return SendMessageA(tip, msg, wParam, reinterpret_cast<LPARAM>(lParam));
    };
    TOOLINFOA first = Info(1, "first \xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(send(TTM_ADDTOOLA, 0, &first));
    EXPECT_FALSE(send(TTM_ADDTOOLA, 0, &first)) << "duplicate (hwnd, uId)";
    TOOLINFOA small = Info(2, "second");
    small.cbSize = 44;
    EXPECT_TRUE(send(TTM_ADDTOOLA, 0, &small)) << "the 32-bit size is accepted";
    TOOLINFOA wrong = Info(3, "x");
    wrong.cbSize = 40;
    EXPECT_FALSE(send(TTM_ADDTOOLA, 0, &wrong));
    EXPECT_EQ(send(TTM_GETTOOLCOUNT, 0, nullptr), 2);

    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    TOOLINFOA query = Info(1, nullptr);
    query.lpszText = buffer;
    send(TTM_GETTEXTA, 9, &query);
    EXPECT_STREQ(buffer, "first \xC3\xA9") << "8 bytes and the NUL";
    std::fill(std::begin(buffer), std::end(buffer), '#');
    send(TTM_GETTEXTA, 8, &query);
    EXPECT_STREQ(buffer, "first ") << "never splits a UTF-8 sequence";
    EXPECT_EQ(buffer[7], '#') << "nothing past the NUL";

    TOOLINFOA update = Info(2, "changed");
    send(TTM_UPDATETIPTEXTA, 0, &update);
    TOOLINFOA rect = Info(2, nullptr, 0, {1, 2, 3, 4});
    send(TTM_NEWTOOLRECTA, 0, &rect);
    TOOLINFOA listed = Info(0, nullptr);
    listed.lpszText = buffer;
    EXPECT_TRUE(send(TTM_ENUMTOOLSA, 1, &listed));
    EXPECT_EQ(listed.uId, 2u);
    EXPECT_EQ(listed.rect, (RECT{1, 2, 3, 4}));
    EXPECT_STREQ(buffer, "changed");
    listed.lpszText = nullptr;
    EXPECT_TRUE(send(TTM_ENUMTOOLSA, 0, &listed)) << "no text pointer, no text";
    EXPECT_FALSE(send(TTM_ENUMTOOLSA, 2, &listed));
    send(TTM_DELTOOLA, 0, &first);
    EXPECT_EQ(send(TTM_GETTOOLCOUNT, 0, nullptr), 1);

    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(0xFFFF, 0));
    EXPECT_EQ(send(TTM_GETDELAYTIME, TTDT_INITIAL, nullptr), 65535) << "LOWORD is unsigned";
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, -1);
    EXPECT_EQ(send(TTM_GETDELAYTIME, TTDT_INITIAL, nullptr), 500) << "-1 restores the default";
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 200);
    EXPECT_EQ(send(TTM_GETDELAYTIME, TTDT_RESHOW, nullptr), 40);
    EXPECT_EQ(send(TTM_GETDELAYTIME, TTDT_AUTOPOP, nullptr), 2000);

    EXPECT_EQ(static_cast<COLORREF>(send(TTM_GETTIPBKCOLOR, 0, nullptr)),
              GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(static_cast<COLORREF>(send(TTM_GETTIPTEXTCOLOR, 0, nullptr)),
              GetSysColor(COLOR_INFOTEXT));
    send(TTM_SETTIPBKCOLOR, RGB(1, 2, 3), nullptr);
    send(TTM_SETTIPTEXTCOLOR, RGB(4, 5, 6), nullptr);
    EXPECT_EQ(static_cast<COLORREF>(send(TTM_GETTIPBKCOLOR, 0, nullptr)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(send(TTM_GETTIPTEXTCOLOR, 0, nullptr)), RGB(4, 5, 6));

    RECT margin{};
    send(TTM_GETMARGIN, 0, &margin);
    EXPECT_EQ(margin, (RECT{}));
    const RECT wanted{1, 2, 3, 4};
    send(TTM_SETMARGIN, 0, &wanted);
    send(TTM_GETMARGIN, 0, &margin);
    EXPECT_EQ(margin, wanted);
    RECT adjusted{100, 100, 200, 120};
    EXPECT_TRUE(send(TTM_ADJUSTRECT, TRUE, &adjusted));
    EXPECT_EQ(adjusted, (RECT{96, 95, 206, 127})) << "border 1 + inset 2 + margins";
    send(TTM_ADJUSTRECT, FALSE, &adjusted);
    EXPECT_EQ(adjusted, (RECT{100, 100, 200, 120}));

    EXPECT_TRUE(send(TTM_SETTITLEA, TTI_INFO, "Title"));
    SendMessageA(tip, WM_SETFONT, static_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT).Value()),
                 FALSE);
    EXPECT_EQ(SendMessageA(tip, WM_GETFONT, 0, 0), HandleToParam(GetStockObject(DEFAULT_GUI_FONT)));
    send(TTM_ACTIVATE, FALSE, nullptr);
    send(TTM_ACTIVATE, TRUE, nullptr);

    std::vector<UINT> expected = {
        TTM_ADDTOOLA,        TTM_ADDTOOLA,      TTM_ADDTOOLA,        TTM_ADDTOOLA,
        TTM_GETTOOLCOUNT,    TTM_GETTEXTA,      TTM_GETTEXTA,        TTM_UPDATETIPTEXTA,
        TTM_NEWTOOLRECTA,    TTM_ENUMTOOLSA,    TTM_ENUMTOOLSA,      TTM_ENUMTOOLSA,
        TTM_DELTOOLA,        TTM_GETTOOLCOUNT,  TTM_SETDELAYTIME,    TTM_GETDELAYTIME,
        TTM_SETDELAYTIME,    TTM_GETDELAYTIME,  TTM_SETDELAYTIME,    TTM_GETDELAYTIME,
        TTM_GETDELAYTIME,    TTM_GETTIPBKCOLOR, TTM_GETTIPTEXTCOLOR, TTM_SETTIPBKCOLOR,
        TTM_SETTIPTEXTCOLOR, TTM_GETTIPBKCOLOR, TTM_GETTIPTEXTCOLOR, TTM_GETMARGIN,
        TTM_SETMARGIN,       TTM_GETMARGIN,     TTM_ADJUSTRECT,      TTM_ADJUSTRECT,
        TTM_SETTITLEA,       WM_SETFONT,        WM_GETFONT,          TTM_ACTIVATE,
        TTM_ACTIVATE};
    std::vector<UINT> seen;
    for (const test::SpiedMessage& m : spy.Messages()) {
        if (m.hwnd == tip && m.depth == 1) {
            seen.push_back(m.msg);
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(spy.First(TTM_SETDELAYTIME)->wParam, TTDT_INITIAL);
}

TEST_F(TooltipTest, ShowsAfterTheDelayAndHidesOnLeavePressAndAutopop) {
    ASSERT_TRUE(Add(Info(5, "Hello")));
    HWND notifiedFrom;
    UINT_PTR notifiedId = 0;
    Answer([&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_NOTIFY) {
            notifiedFrom = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
            notifiedId = reinterpret_cast<const NMHDR*>(lParam)->idFrom;
        }
        return std::nullopt;
    });
    Move(parent, {30, 30});
    test::advanceTime(499);
    EXPECT_FALSE(Shown());
    test::advanceTime(1);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Notifications(), (std::vector<int>{TTN_SHOW}));
    EXPECT_EQ(notifiedFrom, tip);
    EXPECT_EQ(notifiedId, 5u);
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.left, 40) << "at the cursor";
    EXPECT_EQ(r.top, 56) << "16 px below it";
    EXPECT_NE(GetActiveWindow(), tip);

    Move(parent, {60, 40});
    test::advanceTime(600);
    EXPECT_EQ(Notifications().size(), 1u) << "moving within the tool shows nothing new";

    Move(parent, {200, 150});
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Notifications(), (std::vector<int>{TTN_SHOW, TTN_POP}));

    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    test::mouseDown(test::MouseButton::Left, parent, {30, 30});
    test::pump();
    EXPECT_FALSE(Shown()) << "a button press hides";
    test::mouseUp(test::MouseButton::Left, parent, {30, 30});
    Move(parent, {32, 32});
    test::advanceTime(1000);
    EXPECT_FALSE(Shown()) << "not again until the pointer leaves";

    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    test::advanceTime(4999);
    EXPECT_TRUE(Shown());
    test::advanceTime(1);
    EXPECT_FALSE(Shown()) << "autopop";
    EXPECT_EQ(Notifications(),
              (std::vector<int>{TTN_SHOW, TTN_POP, TTN_SHOW, TTN_POP, TTN_SHOW, TTN_POP}));
    Answer({});
}

TEST_F(TooltipTest, EmptyTextInactiveControlAndDeletedToolsShowNothing) {
    ASSERT_TRUE(Add(Info(1, "")));
    Move(parent, {30, 30});
    test::advanceTime(1000);
    EXPECT_FALSE(Shown()) << "empty text never shows";

    TOOLINFOA text = Info(1, "now");
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&text));
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    TOOLINFOA empty = Info(1, "");
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&empty));
    EXPECT_FALSE(Shown()) << "an empty text hides the tip";

    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&text));
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    EXPECT_FALSE(Shown());
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(1000);
    EXPECT_FALSE(Shown()) << "an inactive control shows nothing";

    SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    Parent().Clear();
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Notifications(), (std::vector<int>{TTN_POP}));

    // An empty rectangle never shows.
    ASSERT_TRUE(Add(Info(2, "rect")));
    TOOLINFOA none = Info(2, nullptr, 0, {});
    SendMessageA(tip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&none));
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(1000);
    EXPECT_FALSE(Shown());
}

TEST_F(TooltipTest, ANonZeroShowAnswerKeepsTheReceiversPosition) {
    ASSERT_TRUE(Add(Info(1, "placed")));
    Answer([&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TTN_SHOW) {
            SetWindowPos(tip, {}, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 1;
        }
        return std::nullopt;
    });
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.left, 500);
    EXPECT_EQ(r.top, 400);
    EXPECT_GT(r.right - r.left, 10) << "sized before the notification";
    Answer({});
}

TEST_F(TooltipTest, TransparentTipsLetTheMouseThrough) {
    ASSERT_TRUE(Add(Info(1, "see through", TTF_SUBCLASS | TTF_TRANSPARENT, {0, 0, 300, 200})));
    ASSERT_TRUE(Add(Info(2, "solid", TTF_SUBCLASS, {0, 0, 0, 0})));
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    const POINT overTip{45, 60}; // screen: the tip starts at (40, 56)
    EXPECT_EQ(WindowFromPoint(overTip), parent);
    test::mouseMove(overTip);
    test::pump();
    EXPECT_TRUE(Shown()) << "the move reached the tool's window, still inside the tool";

    // The same tip without TTF_TRANSPARENT is hit itself.
    TOOLINFOA solid = Info(1, "x", TTF_SUBCLASS);
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&solid));
    solid.rect = {0, 0, 300, 200};
    Add(solid);
    Move(parent, {200, 150});
    Move(parent, {250, 180});
    Move(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(WindowFromPoint(overTip), tip);
}

// Counts what reaches the tool window through its own subclass.
struct Counter {
    WNDPROC previous = nullptr;
    int moves = 0;
    static Counter& Get() {
        static Counter counter;
        return counter;
    }
};
LRESULT CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE) {
        ++Counter::Get().moves;
    }
    return CallWindowProcA(Counter::Get().previous, hwnd, msg, wParam, lParam);
}

TEST_F(TooltipTest, SubclassToolsWatchBesideTheProcedureChain) {
    Counter::Get() = Counter{};
    Counter::Get().previous = reinterpret_cast<WNDPROC>(
        SetWindowLongA(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    ASSERT_TRUE(Add(Info(1, "watched")));
    EXPECT_EQ(GetWindowLongA(parent, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&CountingProc))
        << "the tooltip never replaces the procedure";
    Move(parent, {30, 30});
    Move(parent, {31, 30});
    Move(parent, {32, 30});
    EXPECT_EQ(Counter::Get().moves, 3) << "the subclass still sees every move";
    test::advanceTime(500);
    EXPECT_TRUE(Shown());

    // The subclass removes itself blindly; the tooltip keeps watching.
    SetWindowLongA(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Counter::Get().previous));
    Move(parent, {200, 150});
    EXPECT_FALSE(Shown());
    Move(parent, {30, 30});
    test::advanceTime(500);
    EXPECT_TRUE(Shown());
}

TEST_F(TooltipTest, BalloonStyleIsReadAtTheNextShow) {
    ASSERT_TRUE(Add(Info(1, "Balloon")));
    Move(parent, {30, 30});
    test::advanceTime(500);
    RECT plain;
    GetWindowRect(tip, &plain);
    SetWindowLongA(tip, GWL_STYLE, GetWindowLongA(tip, GWL_STYLE) | TTS_BALLOON);
    RECT same;
    GetWindowRect(tip, &same);
    EXPECT_EQ(same, plain) << "a shown tip keeps its look";
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    RECT balloon;
    GetWindowRect(tip, &balloon);
    EXPECT_EQ((balloon.bottom - balloon.top) - (plain.bottom - plain.top), 16)
        << "a 10 px stem and 3 px more inset above and below";
    EXPECT_EQ((balloon.right - balloon.left) - (plain.right - plain.left), 6);
}

TEST_F(TooltipTest, RendersBorderBackgroundTextAndTitle) {
    ASSERT_TRUE(Add(Info(1, "WWW")));
    Move(parent, {30, 30});
    test::advanceTime(500);
    test::pump();
    ASSERT_TRUE(Shown());
    RECT r;
    GetWindowRect(tip, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    EXPECT_EQ(test::WindowPixel(tip, 0, 0), GetSysColor(COLOR_INFOTEXT)) << "border";
    EXPECT_EQ(test::WindowPixel(tip, width - 1, height - 1), GetSysColor(COLOR_INFOTEXT));
    EXPECT_EQ(test::WindowPixel(tip, 1, 1), GetSysColor(COLOR_INFOBK));
    int ink = 0;
    for (int x = 3; x < width - 3; ++x) {
        for (int y = 3; y < height - 3; ++y) {
            ink += test::WindowPixel(tip, x, y) == GetSysColor(COLOR_INFOTEXT);
        }
    }
    EXPECT_GT(ink, 10) << "the text";
    RECT text{0, 0, width, height};
    SendMessageA(tip, TTM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text.left, 3);

    SendMessageA(tip, TTM_SETTIPBKCOLOR, RGB(200, 0, 0), 0);
    SendMessageA(tip, TTM_SETTITLEA, TTI_WARNING, reinterpret_cast<LPARAM>("Note"));
    Move(parent, {200, 150});
    Move(parent, {30, 30});
    test::advanceTime(500);
    test::pump();
    RECT titled;
    GetWindowRect(tip, &titled);
    EXPECT_GE(titled.bottom - titled.top, height + 16) << "a title line with a 16 px icon";
    EXPECT_EQ(test::WindowPixel(tip, 1, 1), RGB(200, 0, 0));
}

TEST_F(TooltipTest, WindowToolsRelayedByHandAndToolInfoMessages) {
    const HWND button = MakeChild(parent, "CtlParent", 0, 100, 100, 40, 20);
    TOOLINFOA ti = Info(button.Value(), "window tool", TTF_IDISHWND | TTF_CENTERTIP);
    ASSERT_TRUE(Add(ti));
    MSG relayed;
    relayed.hwnd = button;
    relayed.message = WM_MOUSEMOVE;
    relayed.lParam = MAKELPARAM(39, 19);
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    test::advanceTime(500);
    ASSERT_TRUE(Shown()) << "the whole window is the tool; its rect is ignored";
    const auto shows = Parent().Of(WM_NOTIFY);
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_EQ(shows.front().hwnd, parent) << "to the tool's hwnd";
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.top, 10 + 100 + 20) << "centred below the tool";
    EXPECT_EQ((r.left + r.right) / 2, 10 + 100 + 20);

    char buffer[32] = {};
    TOOLINFOA query = Info(button.Value(), nullptr, 0);
    query.lpszText = buffer;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&query)));
    EXPECT_STREQ(buffer, "window tool");
    EXPECT_EQ(query.uFlags, TTF_IDISHWND | TTF_CENTERTIP);
    TOOLINFOA changed = Info(button.Value(), "renamed", TTF_IDISHWND);
    SendMessageA(tip, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&changed));
    SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&query));
    EXPECT_STREQ(buffer, "renamed");

    SendMessageA(tip, TTM_POP, 0, 0);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Parent().Of(WM_NOTIFY).size(), 2u);
}

} // namespace
} // namespace controltest

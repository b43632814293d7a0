#include "WindowFixture.h"

#include "platform/win/detail/WindowTable.h"

namespace wmtest {
namespace {

using ActivationTest = WindowTest;

struct Step {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const Step&, const Step&) = default;
};

std::vector<Step> Steps(const test::Spy& spy, std::initializer_list<UINT> kinds) {
    std::vector<Step> out;
    for (const auto& m : spy.Messages()) {
        if (std::find(kinds.begin(), kinds.end(), m.msg) != kinds.end()) {
            out.push_back({m.hwnd, m.msg, m.wParam, m.lParam});
        }
    }
    return out;
}

void PrintTo(const Step& s, std::ostream* os) {
    *os << "{" << s.hwnd.Value() << ", " << s.msg << ", " << s.wParam << ", " << s.lParam << "}";
}

TEST_F(ActivationTest, ActivationChangeNotifiesTheLoserThenTheGainerAndMovesTheFocus) {
    const HWND a = TopLevel(0, 0, 100, 100);
    const HWND b = TopLevel(200, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), b);
    ASSERT_EQ(GetFocus(), b);
    test::Spy spy;
    spy.WatchAll();

    EXPECT_EQ(SetActiveWindow(a), b);
    const LPARAM pa = HandleToParam(a);
    const LPARAM pb = HandleToParam(b);
    EXPECT_EQ(Steps(spy, {WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<Step>{{b, WM_NCACTIVATE, FALSE, pa},
                                 {b, WM_ACTIVATE, WA_INACTIVE, pa},
                                 {a, WM_NCACTIVATE, TRUE, pb},
                                 {a, WM_ACTIVATE, WA_ACTIVE, pb},
                                 {b, WM_KILLFOCUS, static_cast<WPARAM>(pa), 0},
                                 {a, WM_SETFOCUS, static_cast<WPARAM>(pb), 0}}));
    EXPECT_EQ(GetForegroundWindow(), a);
    EXPECT_EQ(detail::TopLevelWindowsInZOrder().front(), a) << "activation raises";

    spy.Clear();
    EXPECT_EQ(SetActiveWindow(a), a);
    EXPECT_TRUE(spy.Messages().empty()) << "no change, no messages";
}

TEST_F(ActivationTest, SetFocusNotifiesBothSidesAndRefusesWhatCannotTakeIt) {
    const HWND top = TopLevel(0, 0, 200, 200);
    const HWND one = Child(top, 0, 0, 50, 50);
    const HWND two = Child(top, 60, 0, 50, 50);
    const HWND hidden = Child(top, 0, 60, 50, 50, WS_CHILD);
    const HWND disabled = Child(top, 60, 60, 50, 50, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    const HWND statik = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 120, 0, 20, 20, top,
                                        {}, {}, nullptr);
    EXPECT_EQ(SetFocus(one), top);
    test::Spy spy;
    spy.WatchAll();
    EXPECT_EQ(SetFocus(two), one);
    EXPECT_EQ(Steps(spy, {WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<Step>{{one, WM_KILLFOCUS, static_cast<WPARAM>(HandleToParam(two)), 0},
                                 {two, WM_SETFOCUS, static_cast<WPARAM>(HandleToParam(one)), 0}}));
    spy.Clear();
    EXPECT_EQ(SetFocus(two), two);
    EXPECT_TRUE(spy.Messages().empty());
    EXPECT_EQ(SetFocus(hidden), HWND{});
    EXPECT_EQ(SetFocus(disabled), HWND{});
    EXPECT_EQ(SetFocus(HWND::FromValue(0xFFFF0)), HWND{});
    EXPECT_EQ(GetFocus(), two);
    EXPECT_EQ(SetFocus(statik), two) << "any enabled visible window, a Static too";

    // Hiding the focus window drops the focus; disabling does too.
    ShowWindow(statik, SW_HIDE);
    EXPECT_EQ(GetFocus(), HWND{});
    SetFocus(one);
    EnableWindow(one, FALSE);
    EXPECT_EQ(GetFocus(), HWND{});
    EXPECT_FALSE(IsWindowEnabled(one));
    EXPECT_TRUE(EnableWindow(one, TRUE)) << "reports it was disabled";
}

TEST_F(ActivationTest, FocusInAnInactiveWindowActivatesItAndActivationRestoresTheLastFocus) {
    const HWND first = TopLevel(0, 0, 100, 100);
    const HWND edit = Child(first, 0, 0, 20, 20);
    const HWND second = TopLevel(200, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), second);

    test::Spy spy(edit);
    EXPECT_EQ(SetFocus(edit), second);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(spy.Count(WM_SETFOCUS), 1u) << "focus went straight to the edit";

    SetActiveWindow(second);
    EXPECT_EQ(GetFocus(), second);
    SetActiveWindow(first);
    EXPECT_EQ(GetFocus(), edit) << "restored";
}

TEST_F(ActivationTest, HidingOrDestroyingTheActiveWindowActivatesItsOwnerElseTheNextWindow) {
    const HWND back = TopLevel(0, 0, 100, 100);
    const HWND owner = TopLevel(0, 0, 100, 100);
    const HWND front = TopLevel(0, 0, 100, 100);
    const HWND popup = TopLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, 0, owner);
    ASSERT_EQ(GetActiveWindow(), popup);
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner) << "the owner, though another window was above it";
    ShowWindow(owner, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), front) << "next in z-order";
    DestroyWindow(front);
    EXPECT_EQ(GetActiveWindow(), back);
    // A modal dialog's disabled owner still takes activation back when the dialog goes.
    ShowWindow(owner, SW_SHOW);
    const HWND modal = TopLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, 0, owner);
    EnableWindow(owner, FALSE);
    ASSERT_EQ(GetActiveWindow(), modal);
    DestroyWindow(modal);
    EXPECT_EQ(GetActiveWindow(), owner);
    DestroyWindow(owner);
    EXPECT_EQ(GetActiveWindow(), back);
    DestroyWindow(back);
    EXPECT_EQ(GetActiveWindow(), HWND{}) << "nothing shown is left";
}

TEST_F(ActivationTest, MousePressActivatesUnlessTheWindowOrItsAnswerRefuses) {
    const HWND a = TopLevel(0, 0, 100, 100);
    const HWND child = Child(a, 10, 10, 20, 20);
    const HWND b = TopLevel(200, 0, 100, 100);
    const HWND glass = TopLevel(400, 0, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_NOACTIVATE);
    const HWND tip = CreateWindowExA(0, "tooltips_class32", "", WS_POPUP | WS_VISIBLE, 500, 0, 20,
                                     20, b, {}, {}, nullptr);
    ASSERT_EQ(GetActiveWindow(), b);

    LRESULT answer = MA_NOACTIVATE;
    Answer([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_MOUSEACTIVATE ? std::optional<LRESULT>(answer) : std::nullopt;
    });
    test::Spy spy(child);
    EXPECT_TRUE(detail::ActivateOnMousePress(child, WM_LBUTTONDOWN, HTCLIENT));
    ASSERT_TRUE(spy.First(WM_MOUSEACTIVATE));
    EXPECT_EQ(spy.First(WM_MOUSEACTIVATE)->wParam, static_cast<WPARAM>(HandleToParam(a)));
    EXPECT_EQ(spy.First(WM_MOUSEACTIVATE)->lParam, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(GetActiveWindow(), b);
    answer = MA_NOACTIVATEANDEAT;
    EXPECT_FALSE(detail::ActivateOnMousePress(child, WM_LBUTTONDOWN, HTCLIENT));
    EXPECT_EQ(GetActiveWindow(), b);
    answer = MA_ACTIVATEANDEAT;
    EXPECT_FALSE(detail::ActivateOnMousePress(child, WM_LBUTTONDOWN, HTCLIENT));
    EXPECT_EQ(GetActiveWindow(), a);

    Answer(nullptr);
    SetActiveWindow(b);
    spy.Clear();
    EXPECT_TRUE(detail::ActivateOnMousePress(child, WM_RBUTTONDOWN, HTCLIENT));
    EXPECT_EQ(GetActiveWindow(), a) << "the default answer activates";
    const auto activate = spy.First(WM_ACTIVATE);
    EXPECT_FALSE(activate) << "the child itself is not activated";
    EXPECT_TRUE(detail::ActivateOnMousePress(glass, WM_LBUTTONDOWN, HTCLIENT));
    EXPECT_TRUE(detail::ActivateOnMousePress(tip, WM_LBUTTONDOWN, HTCLIENT));
    EXPECT_EQ(GetActiveWindow(), a) << "never-activating windows stay out";
    EXPECT_EQ(SetActiveWindow(tip), HWND{});
}

TEST_F(ActivationTest, TopmostBandAndOwnedWindowsStayAboveTheirOwners) {
    const HWND plain = TopLevel(0, 0, 10, 10);
    const HWND pinned = TopLevel(0, 0, 10, 10, WS_OVERLAPPED | WS_VISIBLE, WS_EX_TOPMOST);
    const HWND dialog = TopLevel(0, 0, 10, 10, WS_POPUP | WS_VISIBLE, 0, pinned);
    const HWND later = TopLevel(0, 0, 10, 10);
    const HWND tip =
        CreateWindowExA(0, "tooltips_class32", "", WS_POPUP, 0, 0, 5, 5, {}, {}, {}, nullptr);
    EXPECT_TRUE(GetWindowLongA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST) << "tooltips are topmost";
    using Order = std::vector<HWND>;
    EXPECT_EQ(detail::TopLevelWindowsInZOrder(), (Order{tip, dialog, pinned, later, plain}));

    SetWindowPos(plain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(detail::TopLevelWindowsInZOrder(), (Order{tip, dialog, pinned, plain, later}))
        << "HWND_TOP stays below the topmost band";
    SetWindowPos(plain, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongA(plain, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(detail::TopLevelWindowsInZOrder().front(), plain);
    SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(GetWindowLongA(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(detail::TopLevelWindowsInZOrder(), (Order{plain, tip, dialog, pinned, later}))
        << "the owned dialog follows its owner out of the band, staying above it";
    SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(pinned, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(detail::TopLevelWindowsInZOrder(), (Order{plain, tip, dialog, pinned, later}));

    // Siblings: creation order is z-order from the top, GetWindow walks it.
    const HWND c1 = Child(later, 0, 0, 5, 5);
    const HWND c2 = Child(later, 0, 0, 5, 5);
    const HWND c3 = Child(later, 0, 0, 5, 5);
    EXPECT_EQ(GetWindow(later, GW_CHILD), c1);
    EXPECT_EQ(GetWindow(c1, GW_HWNDNEXT), c2);
    EXPECT_EQ(GetWindow(c3, GW_HWNDPREV), c2);
    EXPECT_EQ(GetWindow(c2, GW_HWNDLAST), c3);
    SetWindowPos(c3, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(c1, c2, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(later, GW_CHILD), c3);
    EXPECT_EQ(GetWindow(c3, GW_HWNDNEXT), c2);
    EXPECT_EQ(GetWindow(c2, GW_HWNDNEXT), c1);
    EXPECT_EQ(GetWindow(c1, GW_HWNDNEXT), HWND{});
}

TEST_F(ActivationTest, WindowFromPointSkipsHiddenDisabledAndTransparentWindows) {
    const HWND back = TopLevel(0, 0, 200, 200);
    const HWND front = TopLevel(0, 0, 100, 100);
    const HWND child = Child(front, 10, 10, 30, 30);
    const HWND hidden = Child(front, 50, 50, 30, 30, WS_CHILD);
    const HWND disabled = Child(front, 50, 10, 30, 30, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    EXPECT_EQ(WindowFromPoint({15, 15}), child);
    EXPECT_EQ(WindowFromPoint({60, 60}), front) << "hidden child";
    EXPECT_EQ(WindowFromPoint({60, 20}), front) << "disabled child";
    EXPECT_EQ(WindowFromPoint({150, 150}), back);
    EXPECT_EQ(WindowFromPoint({500, 500}), GetDesktopWindow());
    EXPECT_EQ(ChildWindowFromPoint(front, {60, 60}), hidden) << "this one does not skip";
    EXPECT_EQ(ChildWindowFromPointEx(front, {60, 60}, CWP_SKIPINVISIBLE), front);
    EXPECT_EQ(ChildWindowFromPoint(front, {60, 20}), disabled);
    EXPECT_EQ(ChildWindowFromPoint(front, {300, 300}), HWND{});

    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST && (hwnd == child || hwnd == front)) {
            return HTTRANSPARENT;
        }
        return std::nullopt;
    });
    EXPECT_EQ(WindowFromPoint({15, 15}), back) << "both answered HTTRANSPARENT";
    ShowWindow(back, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({15, 15}), GetDesktopWindow());
}

} // namespace
} // namespace wmtest

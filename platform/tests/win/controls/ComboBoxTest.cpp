#include "ControlFixture.h"

namespace controltest {
namespace {

class ComboBoxTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
        combo = Make(CBS_DROPDOWNLIST);
        list = FindList(combo);
        ASSERT_TRUE(list);
        itemHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
        Parent().Clear();
    }
    HWND Make(DWORD style, int x = 10, int y = 10) {
        const HWND made = MakeChild(parent, "ComboBox", style, x, y, 120, 200, 11);
        for (int i = 0; i < 12; ++i) {
            const std::string text = (i == 5 ? "pear" : "item") + std::to_string(i);
            SendMessageA(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return made;
    }
    // The combo box's dropped list: the "ComboLBox" window that reports to it.
    static HWND FindList(HWND combo) {
        struct Search {
            HWND combo;
            HWND found;
        } search{combo, {}};
        EnumWindows(
            [](HWND hwnd, LPARAM param) {
                auto& s = *reinterpret_cast<Search*>(param);
                char name[16] = {};
                GetClassNameA(hwnd, name, sizeof name);
                if (std::string(name) == "ComboLBox" && GetParent(hwnd) == s.combo) {
                    s.found = hwnd;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static int Sel(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
    static RECT Rect(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
    static bool Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    // The centre of a visible row of the open list, in its client coordinates.
    POINT Row(int row) const { return {30, row * itemHeight + itemHeight / 2}; }
    HWND parent;
    HWND combo;
    HWND list;
    int itemHeight = 0;
};

TEST_F(ComboBoxTest, ClosedHeightFieldHeightAndDroppedWidth) {
    TEXTMETRICA metrics;
    const HDC hdc = GetDC(combo);
    GetTextMetricsA(hdc, &metrics);
    ReleaseDC(combo, hdc);
    const int field = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, -1, 0));
    EXPECT_EQ(field, metrics.tmHeight + 2);
    EXPECT_EQ(Rect(combo).bottom - Rect(combo).top, field + 6) << "the height given is ignored";

    const struct {
        LPARAM height;
        LRESULT result;
        int closed;
    } rows[] = {{30, 0, 36}, {0, CB_ERR, 36}, {-4, CB_ERR, 36}, {1, 0, 7}, {32767, 0, 32773}};
    for (const auto& row : rows) {
        EXPECT_EQ(SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row.height),
                  row.result);
        EXPECT_EQ(Rect(combo).bottom - Rect(combo).top, row.closed) << row.height;
    }
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20);
    MoveWindow(combo, 10, 10, 150, 400, TRUE);
    EXPECT_EQ(Rect(combo).bottom - Rect(combo).top, 26);
    EXPECT_EQ(Rect(combo).right - Rect(combo).left, 150);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);

    EXPECT_EQ(SendMessageA(combo, CB_SETITEMHEIGHT, 0, 18), 0) << "index 0: the list's items";
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0), 18);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);

    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), 150);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, 60, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), 150);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, 220, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), 220);
    RECT dropped;
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.right - dropped.left, 220);
}

TEST_F(ComboBoxTest, MessagesAndTheListsStrings) {
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("PEAR5")),
              5);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("pear")),
              CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 5, 0), 5);
    EXPECT_EQ(SendMessageA(combo, CB_SETITEMDATA, 5, 99), TRUE);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 5, 0), 99);
    EXPECT_EQ(SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("top")), 0);
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 0, 0), 12);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 5, 0), 5);
    EXPECT_EQ(TextOf(combo), "pear5") << "the field shows the selection";
    EXPECT_EQ(SendMessageA(combo, CB_GETEDITSEL, 0, 0), CB_ERR) << "no edit";
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboBoxTest, CbSetCurSelSendsNothingAnywhere) {
    test::Spy spy(combo);
    SendMessageA(combo, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(Sel(combo), 3);
    EXPECT_EQ(spy.Count(WM_COMMAND, combo), 0u) << "no LBN_SELCHANGE from the list";
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ComboBoxTest, MouseOpensHoverSendsNothingAndAClickChoosesInOrder) {
    test::Spy spy(combo);
    std::vector<int> selAtChange;
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
            selAtChange.push_back(Sel(combo));
        }
        return std::nullopt;
    });
    Click(combo, {20, 8});
    EXPECT_EQ(GetFocus(), combo);
    ASSERT_TRUE(Dropped(combo));
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
    EXPECT_EQ(GetCapture(), list);
    EXPECT_TRUE(IsWindowVisible(list));
    const RECT c = Rect(combo);
    const RECT l = Rect(list);
    EXPECT_EQ(l.left, c.left);
    EXPECT_EQ(l.top, c.bottom) << "below the combo box";
    EXPECT_EQ(l.right - l.left, 120);
    EXPECT_EQ(l.bottom - l.top, 8 * itemHeight + 2) << "eight items inside a 1-pixel border";
    EXPECT_EQ(GetActiveWindow(), parent) << "never activated";

    Parent().Clear();
    test::mouseMove(list, Row(2));
    test::pump();
    EXPECT_TRUE(Commands().empty()) << "hover highlights only";
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(ClientPixel(list, 100, Row(2).y), GetSysColor(COLOR_HIGHLIGHT));

    spy.Clear();
    Click(list, Row(2));
    EXPECT_EQ(Sel(combo), 2);
    EXPECT_EQ(selAtChange, (std::vector<int>{2}));
    const auto fromList = spy.First(WM_COMMAND, combo);
    ASSERT_TRUE(fromList);
    EXPECT_EQ(HIWORD(fromList->wParam), LBN_SELCHANGE);
    EXPECT_EQ(HwndFromParam(fromList->lParam), list);
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(TextOf(combo), "item2");

    // A click outside closes without a change; so does losing the focus.
    Click(combo, {20, 8});
    Parent().Clear();
    test::click(POINT{280, 180});
    test::pump();
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
    Click(combo, {20, 8});
    Parent().Clear();
    SetFocus(parent);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    EXPECT_EQ(Sel(combo), 2);
    Answer({});
}

// A list style with WS_VSCROLL scrolls the list; the closed box gets no scroll bar of its own.
TEST_F(ComboBoxTest, AScrollBarStyleLeavesTheDropButtonClickable) {
    const HWND scrolled = Make(CBS_DROPDOWNLIST | WS_VSCROLL, 10, 60);
    EXPECT_EQ(GetWindowLongA(scrolled, GWL_STYLE) & WS_VSCROLL, 0);
    RECT client;
    GetClientRect(scrolled, &client);
    EXPECT_EQ(client.right, Rect(scrolled).right - Rect(scrolled).left);
    Click(scrolled, {client.right - 3, client.bottom / 2});
    EXPECT_TRUE(Dropped(scrolled));
}

TEST_F(ComboBoxTest, KeysOpenMoveChooseAndCancel) {
    SetFocus(combo);
    Parent().Clear();
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Sel(combo), 1);
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE}))
        << "arrows with the list closed";
    Type("p");
    EXPECT_EQ(Sel(combo), 5) << "a letter";

    Parent().Clear();
    Key(VK_F4);
    EXPECT_TRUE(Dropped(combo));
    Key(VK_DOWN);
    EXPECT_EQ(Sel(combo), 6) << "arrows with the list open";
    Key(VK_RETURN);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Commands(),
              (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));

    Parent().Clear();
    Key(VK_DOWN, test::Modifiers::Alt);
    EXPECT_TRUE(Dropped(combo));
    test::mouseMove(list, Row(0));
    test::pump();
    Key(VK_ESCAPE);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Sel(combo), 6) << "Esc changes nothing";
    EXPECT_EQ(Commands(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ListOpensAboveNearTheScreenBottom) {
    test::setScreenSize(640, 480);
    const HWND low = MakeParent(10, 440, 200, 40);
    const HWND lowCombo = MakeChild(low, "ComboBox", CBS_DROPDOWNLIST, 0, 10, 100, 100, 3);
    SendMessageA(lowCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
    SendMessageA(lowCombo, CB_SHOWDROPDOWN, TRUE, 0);
    const HWND lowList = FindList(lowCombo);
    EXPECT_EQ(Rect(lowList).bottom, Rect(lowCombo).top);
    EXPECT_EQ(Rect(lowList).bottom - Rect(lowList).top, itemHeight + 2);
}

// A subclass of the combo box right-aligns the wider list while it paints, as a list control
// built on the combo box does.
WNDPROC g_comboProc = nullptr;
LRESULT RightAligning(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CTLCOLORLISTBOX) {
        const HWND dropped = HwndFromParam(lParam);
        RECT c;
        RECT l;
        GetWindowRect(hwnd, &c);
        GetWindowRect(dropped, &l);
        const auto width = static_cast<int>(SendMessageA(hwnd, CB_GETDROPPEDWIDTH, 0, 0));
        SetWindowPos(dropped, {}, c.right - width, l.top, 0, 0, SWP_NOSIZE);
    }
    return CallWindowProcA(g_comboProc, hwnd, msg, wParam, lParam);
}

TEST_F(ComboBoxTest, TheListMovedDuringItsPaintIsPaintedOnceMore) {
    g_comboProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(combo, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RightAligning)));
    SendMessageA(combo, CB_SETDROPPEDWIDTH, 200, 0);
    test::Spy spy(list);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(test::pump());
    EXPECT_EQ(Rect(list).right, Rect(combo).right);
    EXPECT_EQ(Rect(list).right - Rect(list).left, 200);
    EXPECT_GE(spy.Count(WM_PAINT, list), 1u);
    EXPECT_LE(spy.Count(WM_PAINT, list), 2u);
    EXPECT_TRUE(test::CaughtExceptions().empty());
    const auto asked = Parent().Of(WM_CTLCOLORLISTBOX);
    EXPECT_TRUE(std::any_of(asked.begin(), asked.end(), [&](const Received& r) {
        return HwndFromParam(r.lParam) == list;
    })) << "the list's question, forwarded by the combo box";
}

TEST_F(ComboBoxTest, DropDownStyleHasAnEditThatReportsChanges) {
    const HWND editable = Make(CBS_DROPDOWN, 150);
    const HWND edit = GetDlgItem(editable, 1001);
    ASSERT_TRUE(edit);
    Parent().Clear();
    Click(editable, {110, 8});
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(Dropped(editable));
    Click(FindList(editable), Row(1));
    EXPECT_EQ(TextOf(edit), "item1");
    auto codes = Commands();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 0)
        << "a chosen item is no edit";
    Parent().Clear();
    Type("x");
    codes = Commands();
    EXPECT_EQ(codes, (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
    EXPECT_EQ(TextOf(editable), "x");
    Key(VK_F4);
    EXPECT_TRUE(Dropped(editable)) << "F4 in the edit works the list";
}

TEST_F(ComboBoxTest, FocusedDroppedAndDisabledLooks) {
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    test::pump();
    const RECT client = [&] {
        RECT r;
        GetClientRect(combo, &r);
        return r;
    }();
    const int buttonLeft = client.right - 2 - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(ClientPixel(combo, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "sunken edge";
    EXPECT_EQ(ClientPixel(combo, buttonLeft - 2, 4), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ClientPixel(combo, buttonLeft, 2), GetSysColor(COLOR_3DLIGHT)) << "raised button";

    SetFocus(combo);
    test::pump();
    EXPECT_EQ(ClientPixel(combo, buttonLeft - 2, 5), GetSysColor(COLOR_HIGHLIGHT));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    test::pump();
    EXPECT_EQ(ClientPixel(combo, buttonLeft, 2), GetSysColor(COLOR_BTNSHADOW)) << "pushed";
    EXPECT_EQ(ClientPixel(combo, buttonLeft - 2, 5), GetSysColor(COLOR_WINDOW));
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);

    const RECT field{3, 3, buttonLeft, client.bottom - 3};
    SetFocus(parent);
    test::pump();
    EXPECT_GT(CountPixels(combo, field, GetSysColor(COLOR_WINDOWTEXT)), 5);
    EnableWindow(combo, FALSE);
    test::pump();
    EXPECT_EQ(CountPixels(combo, field, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(CountPixels(combo, field, GetSysColor(COLOR_GRAYTEXT)), 5);
}

} // namespace
} // namespace controltest

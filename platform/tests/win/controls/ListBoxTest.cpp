#include "ControlFixture.h"

#include <functional>

namespace controltest {
namespace {

class ListBoxTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
        list = Make(LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT);
        h = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    }
    HWND Make(DWORD style, int x = 10) {
        return MakeChild(parent, "ListBox", style, x, 10, 100, 100, 9);
    }
    static void Fill(HWND list, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string text = "item" + std::to_string(i);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    static int Sel(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }
    static std::string Text(HWND list, int index) {
        char buffer[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    POINT Row(int visibleRow) const { return {20, visibleRow * h + h / 2}; }
    HWND parent;
    HWND list;
    int h = 0;
};

TEST_F(ListBoxTest, StringMessagesItemDataAndSorting) {
    const auto add = [&](HWND l, const char* s) {
        return SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    };
    EXPECT_EQ(add(list, "b"), 0);
    EXPECT_EQ(add(list, "a"), 1) << "unsorted: appended";
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("z")), 0);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("end")),
              3);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("x")), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(Text(list, 1), "b");
    EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 3, 0), 3);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 4, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 4, 0), LB_ERR);

    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 2, 77), TRUE);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 2, 0), 77);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 7, 1), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("first")), 0);
    EXPECT_EQ(Sel(list), 3) << "the selection moves with its item";
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 3, 0), 77);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 0, 0), 4) << "the remaining count";
    EXPECT_EQ(Sel(list), 2);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 2, 0), 3);
    EXPECT_EQ(Sel(list), LB_ERR) << "deleting the selected item clears the selection";
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 5, 0), LB_ERR);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);

    const HWND sorted = Make(LBS_SORT, 150);
    for (const char* s : {"pear", "Apple", "banana", "apple"}) {
        add(sorted, s);
    }
    EXPECT_EQ(Text(sorted, 0), "Apple");
    EXPECT_EQ(Text(sorted, 1), "apple") << "equal keys keep their order of arrival";
    EXPECT_EQ(Text(sorted, 2), "banana");
    EXPECT_EQ(Text(sorted, 3), "pear");
    EXPECT_TRUE(Commands().empty()) << "messages notify nothing";
}

TEST_F(ListBoxTest, UserSelectionNotifiesAfterTheSelectionIsSet) {
    Fill(list, 5);
    std::vector<int> seen;
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
            seen.push_back(Sel(list));
        }
        return std::nullopt;
    });
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    EXPECT_TRUE(seen.empty());

    ASSERT_EQ(LOWORD(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(20, Row(3).y))), 3);
    Click(list, Row(3));
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(seen, (std::vector<int>{3}));
    Click(list, Row(3));
    EXPECT_EQ(seen.size(), 1u) << "the same item again is no change";
    test::doubleClick(list, Row(2));
    test::pump();
    EXPECT_EQ(seen, (std::vector<int>{3, 2}));
    const auto codes = Commands();
    EXPECT_EQ(codes.front(), LBN_SETFOCUS);
    EXPECT_EQ(codes.back(), LBN_DBLCLK);
    EXPECT_EQ(LOWORD(Parent().Of(WM_COMMAND).back().wParam), 9);

    // Keys: each move is announced.
    const std::pair<int, int> keys[] = {{VK_DOWN, 3}, {VK_UP, 2},   {VK_END, 4},
                                        {VK_HOME, 0}, {VK_NEXT, 4}, {VK_PRIOR, 0}};
    for (auto [vk, expected] : keys) {
        Key(vk);
        EXPECT_EQ(Sel(list), expected) << "key " << vk;
    }
    Key(VK_UP);
    EXPECT_EQ(seen.size(), 8u) << "no move at the top, no notification";
    Type("i");
    EXPECT_EQ(Sel(list), 1) << "a letter selects the next item starting with it";

    SetFocus(parent);
    EXPECT_EQ(Commands().back(), LBN_KILLFOCUS);

    // Without LBS_NOTIFY the selection changes silently.
    const HWND quiet = Make(0, 150);
    Fill(quiet, 3);
    Parent().Clear();
    Click(quiet, Row(1));
    EXPECT_EQ(Sel(quiet), 1);
    const auto quietCodes = Commands();
    EXPECT_EQ(std::count(quietCodes.begin(), quietCodes.end(), LBN_SELCHANGE), 0);
    Answer({});
}

TEST_F(ListBoxTest, ExtendedAndMultipleSelectionByClicksKeysAndMessages) {
    using Items = std::vector<int>;
    const auto selected = [](HWND l) {
        Items items(8);
        items.resize(static_cast<size_t>(
            SendMessageA(l, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()))));
        return items;
    };
    const auto withKey = [](int vk, const std::function<void()>& act) {
        test::keyDown(vk);
        act();
        test::keyUp(vk);
        test::pump();
    };
    const HWND extended = Make(LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT, 150);
    Fill(extended, 6);
    Click(extended, Row(1));
    Parent().Clear();
    withKey(VK_CONTROL, [&] { Click(extended, Row(3)); });
    EXPECT_EQ(selected(extended), (Items{1, 3}));
    EXPECT_EQ(Sel(extended), 3) << "the caret";
    EXPECT_EQ(Commands(), std::vector<WORD>{LBN_SELCHANGE});
    withKey(VK_SHIFT, [&] { Click(extended, Row(5)); });
    EXPECT_EQ(selected(extended), (Items{3, 4, 5})) << "only the anchor's range";
    Key(VK_UP, test::Modifiers::Shift);
    EXPECT_EQ(selected(extended), (Items{3, 4}));
    Key(VK_HOME);
    EXPECT_EQ(selected(extended), (Items{0}));
    Drag(extended, Row(1), Row(3));
    EXPECT_EQ(selected(extended), (Items{1, 2, 3}));
    EXPECT_EQ(ClientPixel(extended, 90, Row(2).y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(ClientPixel(extended, 90, Row(4).y), GetSysColor(COLOR_HIGHLIGHT));

    // Messages change the flags silently; the flags move with their items.
    Parent().Clear();
    EXPECT_EQ(SendMessageA(extended, LB_SETSEL, TRUE, -1), 0);
    EXPECT_EQ(SendMessageA(extended, LB_GETSELCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(extended, LB_SETSEL, FALSE, 2), 0);
    EXPECT_EQ(SendMessageA(extended, LB_GETSEL, 2, 0), 0);
    EXPECT_EQ(SendMessageA(extended, LB_GETSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(extended, LB_SETSEL, TRUE, 9), LB_ERR);
    SendMessageA(extended, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(selected(extended), (Items{0, 2, 3, 4}));
    EXPECT_TRUE(Commands().empty());

    // LBS_MULTIPLESEL: a click toggles, the arrows move only the caret, Space toggles.
    DestroyWindow(list);
    const HWND multiple = Make(LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT, 10);
    Fill(multiple, 4);
    Click(multiple, Row(0));
    Click(multiple, Row(2));
    Click(multiple, Row(0));
    EXPECT_EQ(selected(multiple), (Items{2}));
    Key(VK_DOWN);
    EXPECT_EQ(Sel(multiple), 1);
    Key(VK_SPACE);
    EXPECT_EQ(selected(multiple), (Items{1, 2}));

    // A single-selection list has no selection count.
    const HWND single = Make(0, 290);
    Fill(single, 2);
    SendMessageA(single, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(SendMessageA(single, LB_GETSELCOUNT, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(single, LB_GETSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(single, LB_SETSEL, TRUE, 0), LB_ERR);
}

TEST_F(ListBoxTest, ScrollBarWhenNeededKeepsTheFocusOnTheList) {
    const int visible = 100 / h;
    Fill(list, visible);
    const HWND bar = GetWindow(list, GW_CHILD);
    EXPECT_FALSE(bar && IsWindowVisible(bar)) << "everything fits";
    Fill(list, 10);
    const HWND shown = GetWindow(list, GW_CHILD);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(IsWindowVisible(shown));
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.right, 100) << "no space reserved beside the client area";

    SetFocus(list);
    Click(shown, {5, 95});
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1) << "the down arrow";
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(SendMessageA(list, LB_SETTOPINDEX, 100, 0), LB_ERR);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(visible + 9), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 10) << "clamped to the last page";

    // The keyboard keeps the selection in view.
    Key(VK_HOME);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    const LRESULT below = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(20, 150));
    EXPECT_EQ(HIWORD(below), 1) << "outside the client area";
}

TEST_F(ListBoxTest, IntegralHeightAndItemHeight) {
    const HWND integral = MakeChild(parent, "ListBox", 0, 150, 10, 100, 10 * h + h / 2, 3);
    RECT client;
    GetClientRect(integral, &client);
    EXPECT_EQ(client.bottom, 10 * h);
    GetClientRect(list, &client);
    EXPECT_EQ(client.bottom, 100) << "LBS_NOINTEGRALHEIGHT keeps the height";
    EXPECT_EQ(SendMessageA(list, LB_SETITEMHEIGHT, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMHEIGHT, 0, 20), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(ListBoxTest, SelectedFocusedDisabledAndColourLooks) {
    const HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    Answer([&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLORLISTBOX && HwndFromParam(lParam) == list) {
            return HandleToParam(yellow);
        }
        return std::nullopt;
    });
    Fill(list, 3);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    test::pump();
    EXPECT_EQ(ClientPixel(list, 90, h / 2), RGB(255, 255, 0)) << "the parent's brush";
    EXPECT_EQ(ClientPixel(list, 90, h + h / 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ClientPixel(list, 90, 4 * h), RGB(255, 255, 0)) << "below the items";

    const COLORREF unfocused = ClientPixel(list, 1, h);
    SetFocus(list);
    test::pump();
    EXPECT_NE(ClientPixel(list, 1, h), unfocused) << "the focus rectangle on the selection";

    const RECT first{0, 0, 100, h};
    EXPECT_GT(CountPixels(list, first, GetSysColor(COLOR_WINDOWTEXT)), 5);
    EnableWindow(list, FALSE);
    test::pump();
    EXPECT_EQ(CountPixels(list, first, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(CountPixels(list, first, GetSysColor(COLOR_GRAYTEXT)), 5);
    Answer({});
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(yellow));
}

} // namespace
} // namespace controltest

#include "ControlFixture.h"

#include "platform/win/text/Fonts.h"

namespace controltest {
namespace {

class EditTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
        edit = MakeChild(parent, "Edit", 0, 10, 10, 120, 20, 42);
        ASSERT_TRUE(edit);
        SetFocus(edit);
        test::pump();
        Parent().Clear();
    }
    HWND parent;
    HWND edit;
};

TEST_F(EditTest, TypingEditingAndKeyboardSelection) {
    Type("hello");
    EXPECT_EQ(TextOf(edit), "hello");
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{5, 5}));
    const auto commands = Commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), EN_CHANGE), 5);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), EN_UPDATE), 5);
    EXPECT_EQ(LOWORD(Parent().Of(WM_COMMAND).front().wParam), 42);
    EXPECT_EQ(HwndFromParam(Parent().Of(WM_COMMAND).front().lParam), edit);

    Key(VK_LEFT, test::Modifiers::Shift);
    Key(VK_LEFT, test::Modifiers::Shift);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{3, 5}));
    Type("P");
    EXPECT_EQ(TextOf(edit), "helP") << "typing replaces the selection";
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(TextOf(edit), "elP");
    Key(VK_END, test::Modifiers::Shift);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 3}));
    Key(VK_RIGHT);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{3, 3}));
    Key(VK_BACK);
    EXPECT_EQ(TextOf(edit), "el");

    // Enter, Esc and Tab type nothing in a single-line edit; nothing is announced either.
    Parent().Clear();
    SendMessageA(edit, WM_CHAR, 13, 0);
    SendMessageA(edit, WM_CHAR, 27, 0);
    SendMessageA(edit, WM_CHAR, 9, 0);
    EXPECT_EQ(TextOf(edit), "el");
    EXPECT_TRUE(Commands().empty());

    // Code points, not bytes, are the unit of caret movement.
    SendMessageA(edit, WM_CHAR, 0xE9, 0);
    EXPECT_EQ(TextOf(edit), "el\xC3\xA9");
    Key(VK_LEFT, test::Modifiers::Shift);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{2, 3}));
    Key(VK_BACK);
    EXPECT_EQ(TextOf(edit), "el");
}

TEST_F(EditTest, MouseSetsTheCaretAndDragsOrShiftClicksASelection) {
    SetWindowTextA(edit, "abcdefgh");
    SetFocus(parent);
    Click(edit, {1, 5});
    EXPECT_EQ(GetFocus(), edit) << "a click takes the focus";
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));

    Drag(edit, {1, 5}, {118, 5});
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 8}));
    EXPECT_EQ(GetCapture(), HWND{}) << "released with the button";

    Click(edit, {118, 5});
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{8, 8}));
    test::keyDown(VK_SHIFT);
    Click(edit, {1, 5});
    test::keyUp(VK_SHIFT);
    test::pump();
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 8}));
    EXPECT_EQ(test::caretInfo().owner, edit);
    EXPECT_EQ(test::caretInfo().size.cx, 1) << "a one-pixel bar";
}

TEST_F(EditTest, ReadOnlyAllowsNavigationOnlyAndAsksForStaticColours) {
    SetWindowTextA(edit, "fixed");
    EXPECT_TRUE(SendMessageA(edit, EM_SETREADONLY, TRUE, 0));
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
    Parent().Clear();
    Type("xy");
    Key(VK_BACK);
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(TextOf(edit), "fixed");
    EXPECT_TRUE(Parent().Of(WM_COMMAND).empty());
    Key(VK_END, test::Modifiers::Shift);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 5}));

    InvalidateRect(edit, nullptr, TRUE);
    test::pump();
    EXPECT_FALSE(Parent().Of(WM_CTLCOLORSTATIC).empty());
    EXPECT_TRUE(Parent().Of(WM_CTLCOLOREDIT).empty());

    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    Parent().Clear();
    InvalidateRect(edit, nullptr, TRUE);
    test::pump();
    EXPECT_FALSE(Parent().Of(WM_CTLCOLOREDIT).empty());
    EnableWindow(edit, FALSE);
    Parent().Clear();
    test::pump();
    EXPECT_FALSE(Parent().Of(WM_CTLCOLORSTATIC).empty()) << "disabled counts as static";
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
}

TEST_F(EditTest, TextMessagesSelectionMessagesAndLimits) {
    EXPECT_EQ(SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("caf\xC3\xA9")), TRUE);
    EXPECT_EQ(Commands(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    Parent().Clear();
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("caf\xC3\xA9"));
    EXPECT_TRUE(Commands().empty()) << "the same text is no change";
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 5);

    char small[5] = {'#', '#', '#', '#', '#'};
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(small)), 3);
    EXPECT_STREQ(small, "caf") << "never splits the two-byte character";
    char two[3] = {'#', '#', '#'};
    SendMessageA(edit, WM_GETTEXT, 2, reinterpret_cast<LPARAM>(two));
    EXPECT_STREQ(two, "c");
    EXPECT_EQ(two[2], '#') << "nothing written past the buffer";

    SendMessageA(edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(1, 3));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 4}));
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{4, 4}));
    EXPECT_TRUE(Commands().empty()) << "selection messages announce nothing";

    SendMessageA(edit, EM_SETSEL, 0, 1);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("C"));
    EXPECT_EQ(TextOf(edit), "Caf\xC3\xA9");

    SendMessageA(edit, EM_LIMITTEXT, 6, 0);
    SendMessageA(edit, EM_SETSEL, 4, 4);
    Parent().Clear();
    Type("xyz");
    EXPECT_EQ(TextOf(edit), "Caf\xC3\xA9xy");
    const auto commands = Commands();
    EXPECT_EQ(commands.back(), EN_MAXTEXT);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), EN_CHANGE), 2);
}

TEST_F(EditTest, FocusNotificationsAndCaret) {
    SetFocus(parent);
    EXPECT_EQ(Commands(), (std::vector<WORD>{EN_KILLFOCUS}));
    EXPECT_EQ(test::caretInfo().owner, HWND{});
    EXPECT_FALSE(HideCaret(edit));
    SetFocus(edit);
    EXPECT_EQ(Commands().back(), EN_SETFOCUS);
    EXPECT_EQ(test::caretInfo().owner, edit);
    EXPECT_TRUE(test::caretInfo().shown);
}

TEST_F(EditTest, TheViewScrollsToKeepTheCaretVisible) {
    Type("the quick brown fox jumps over the lazy dog");
    POINT caret;
    GetCaretPos(&caret);
    EXPECT_GE(caret.x, 0);
    EXPECT_LT(caret.x, 120);
    EXPECT_GT(caret.x, 60) << "the caret sits near the right edge after typing";
    Key(VK_HOME);
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 1);
    Key(VK_END);
    GetCaretPos(&caret);
    EXPECT_LT(caret.x, 120);
}

TEST_F(EditTest, ColoursComeFromTheParentsAnswer) {
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLOREDIT) {
            const HDC hdc = HdcFromParam(static_cast<intptr_t>(wParam));
            SetTextColor(hdc, RGB(0, 0, 255));
            SetBkMode(hdc, TRANSPARENT);
            return HandleToParam(red);
        }
        return std::nullopt;
    });
    SetWindowTextA(edit, "WWWW");
    SetFocus(parent);
    test::pump();
    // The edit's client area starts at (10, 10) of the parent's framebuffer.
    EXPECT_EQ(test::WindowPixel(parent, 10 + 100, 10 + 15), RGB(255, 0, 0)) << "track brush";
    int blue = 0;
    int other = 0;
    for (int x = 10; x < 60; ++x) {
        for (int y = 10; y < 26; ++y) {
            const COLORREF c = test::WindowPixel(parent, x, y);
            blue += c == RGB(0, 0, 255);
            other += c != RGB(0, 0, 255) && c != RGB(255, 0, 0);
        }
    }
    EXPECT_GT(blue, 10) << "text in the colour the parent left";
    EXPECT_EQ(other, 0) << "TRANSPARENT mode: no text background";

    // A brush that is no brush means the default answer.
    Answer([](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLOREDIT) {
            return 12345;
        }
        return std::nullopt;
    });
    InvalidateRect(edit, nullptr, TRUE);
    test::pump();
    EXPECT_EQ(test::WindowPixel(parent, 10 + 100, 10 + 15), RGB(255, 255, 255));
    Answer({});
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(red));
}

TEST_F(EditTest, SelectionOfAFocusedEditUsesTheHighlightColours) {
    SetWindowTextA(edit, "MMMM");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    test::pump();
    EXPECT_EQ(test::WindowPixel(parent, 10 + 2, 10 + 2), GetSysColor(COLOR_HIGHLIGHT));
    SetFocus(parent);
    test::pump();
    EXPECT_EQ(test::WindowPixel(parent, 10 + 2, 10 + 2), GetSysColor(COLOR_WINDOW))
        << "hidden without the focus";
}

TEST_F(EditTest, FontIsStoredNotOwnedAndADeletedFontFallsBack) {
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), 0);
    const HFONT font = CreateFontA(-20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SendMessageA(edit, WM_SETFONT, static_cast<WPARAM>(font.Value()), TRUE);
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), HandleToParam(font));
    Type("abc");
    test::pump();
    DeleteObject(HGDIOBJ(font));
    Type("d");
    InvalidateRect(edit, nullptr, TRUE);
    test::pump();
    EXPECT_EQ(TextOf(edit), "abcd");
    EXPECT_TRUE(test::CaughtExceptions().empty());
}

// A subclass sees each message before the control reacts, and may swallow it.
WNDPROC g_editProc = nullptr;
LRESULT NoDigits(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && wParam >= '0' && wParam <= '9') {
        return 0;
    }
    return CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}

TEST_F(EditTest, ASubclassSeesMessagesFirst) {
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&NoDigits)));
    Type("a1b2");
    EXPECT_EQ(TextOf(edit), "ab");
    const auto commands = Commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), EN_CHANGE), 2);
}

} // namespace
} // namespace controltest

#include "ControlFixture.h"

namespace controltest {
namespace {

class ButtonTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
    }
    HWND Make(DWORD style, const char* text = "", int id = 7, int x = 10, int y = 10) {
        return MakeChild(parent, "Button", style, x, y, 80, 24, id, text);
    }
    static LRESULT Check(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0); }
    HWND parent;
};

TEST_F(ButtonTest, PressAndReleaseInsideClicksOnceWithCaptureAndFocus) {
    const HWND button = Make(BS_PUSHBUTTON, "OK", 42);
    test::mouseDown(test::MouseButton::Left, button, {5, 5});
    test::pump();
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
    EXPECT_TRUE(Commands().empty()) << "nothing before the release";

    test::mouseMove(button, {200, 5});
    test::pump();
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_FOCUS) << "unpushed outside";
    test::mouseMove(button, {6, 6});
    test::mouseUp(test::MouseButton::Left, button, {6, 6});
    test::pump();
    EXPECT_EQ(GetCapture(), HWND{});
    const auto clicks = Parent().Of(WM_COMMAND);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].wParam, MAKEWPARAM(42, BN_CLICKED));
    EXPECT_EQ(HwndFromParam(clicks[0].lParam), button);

    // Released outside: no click.
    Parent().Clear();
    Drag(button, {5, 5}, {200, 5});
    EXPECT_TRUE(Commands().empty());

    // Id 0 gives wParam 0.
    const HWND anonymous = Make(BS_PUSHBUTTON, "", 0, 100);
    Parent().Clear();
    Click(anonymous, {5, 5});
    ASSERT_EQ(Parent().Of(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Parent().Of(WM_COMMAND)[0].wParam, 0u);
}

TEST_F(ButtonTest, SpaceAndBmClickClickTheButton) {
    const HWND button = Make(BS_PUSHBUTTON, "OK");
    SetFocus(button);
    test::keyDown(VK_SPACE);
    test::pump();
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_TRUE(Commands().empty());
    test::keyUp(VK_SPACE);
    test::pump();
    EXPECT_EQ(Commands(), (std::vector<WORD>{BN_CLICKED}));

    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(Commands().size(), 2u);
    EnableWindow(button, FALSE);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(Commands().size(), 2u) << "a disabled button never clicks";

    // The focus leaving between key-down and key-up cancels the press.
    EnableWindow(button, TRUE);
    SetFocus(button);
    test::keyDown(VK_SPACE);
    test::pump();
    SetFocus(parent);
    test::keyUp(VK_SPACE);
    test::pump();
    EXPECT_EQ(Commands().size(), 2u);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), 0);
}

TEST_F(ButtonTest, CheckKindsAndMessagesWithoutNotification) {
    struct Row {
        DWORD style;
        std::vector<LRESULT> afterClicks; // the check after each of three clicks
    };
    const Row rows[] = {
        {BS_AUTOCHECKBOX, {1, 0, 1}}, {BS_AUTO3STATE, {1, 2, 0}}, {BS_CHECKBOX, {0, 0, 0}},
        {BS_3STATE, {0, 0, 0}},       {BS_PUSHBUTTON, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        const HWND button = Make(row.style, "x");
        for (LRESULT expected : row.afterClicks) {
            Click(button, {5, 5});
            EXPECT_EQ(Check(button), expected) << "style " << row.style;
        }
        EXPECT_EQ(Commands(), (std::vector<WORD>(3, BN_CLICKED)));
        Parent().Clear();
        DestroyWindow(button);
    }

    const HWND box = Make(BS_CHECKBOX);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(box), BST_CHECKED);
    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Check(box), BST_CHECKED) << "two-state kinds have no third state";
    const HWND three = Make(BS_3STATE);
    SendMessageA(three, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Check(three), BST_INDETERMINATE);
    SendMessageA(three, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(SendMessageA(three, BM_GETSTATE, 0, 0), BST_INDETERMINATE | BST_PUSHED);
    EXPECT_TRUE(Commands().empty()) << "messages notify nothing";

    SendMessageA(box, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    Click(box, {5, 5});
    EXPECT_EQ(Check(box), BST_UNCHECKED);
}

TEST_F(ButtonTest, AutoRadioButtonsUncheckTheirGroupOnly) {
    const HWND a = Make(BS_AUTORADIOBUTTON | WS_GROUP, "a", 1, 10, 10);
    const HWND b = Make(BS_AUTORADIOBUTTON, "b", 2, 10, 40);
    const HWND box = Make(BS_AUTOCHECKBOX, "c", 3, 10, 70);
    const HWND c = Make(BS_AUTORADIOBUTTON, "d", 4, 10, 100);
    const HWND other = Make(BS_AUTORADIOBUTTON | WS_GROUP, "e", 5, 10, 130);
    SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);

    Click(c, {5, 5});
    EXPECT_EQ(Check(a), BST_UNCHECKED);
    EXPECT_EQ(Check(b), BST_UNCHECKED);
    EXPECT_EQ(Check(c), BST_CHECKED);
    EXPECT_EQ(Check(box), BST_CHECKED) << "only radio buttons are unchecked";
    EXPECT_EQ(Check(other), BST_CHECKED) << "the next WS_GROUP starts another group";
    Click(c, {5, 5});
    EXPECT_EQ(Check(c), BST_CHECKED) << "clicking a checked radio keeps it checked";
    EXPECT_EQ(Commands(), (std::vector<WORD>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ButtonTest, ArrowsMoveTheFocusAndTheCheckWithinTheGroupOnly) {
    const HWND a = Make(BS_AUTORADIOBUTTON | WS_GROUP, "a", 1, 10, 10);
    const HWND box = Make(BS_AUTOCHECKBOX, "b", 2, 10, 40);
    const HWND hidden = Make(BS_AUTORADIOBUTTON, "c", 3, 10, 70);
    const HWND c = Make(BS_AUTORADIOBUTTON, "d", 4, 10, 100);
    const HWND other = Make(BS_AUTORADIOBUTTON | WS_GROUP, "e", 5, 10, 130);
    ShowWindow(hidden, SW_HIDE);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    const struct {
        int key;
        HWND to;
    } steps[] = {{VK_DOWN, c}, {VK_RIGHT, a}, {VK_UP, c}, {VK_LEFT, a}};
    SetFocus(a);
    for (const auto& step : steps) {
        Parent().Clear();
        test::keyDown(step.key);
        test::keyUp(step.key);
        test::pump();
        EXPECT_EQ(GetFocus(), step.to) << step.key;
        EXPECT_EQ(Check(a), step.to == a ? BST_CHECKED : BST_UNCHECKED) << step.key;
        EXPECT_EQ(Check(c), step.to == c ? BST_CHECKED : BST_UNCHECKED) << step.key;
        const auto clicks = Parent().Of(WM_COMMAND);
        ASSERT_EQ(clicks.size(), 1u) << step.key;
        EXPECT_EQ(HwndFromParam(clicks[0].lParam), step.to);
    }
    EXPECT_EQ(Check(other), BST_CHECKED) << "the next WS_GROUP starts another group";
    EXPECT_EQ(Check(hidden), BST_UNCHECKED);
    EXPECT_EQ(Check(box), BST_UNCHECKED);
}

TEST_F(ButtonTest, GroupBoxIsTransparentToTheMouseAndTakesNoFocus) {
    const HWND group = Make(BS_GROUPBOX, "Group");
    EXPECT_EQ(SendMessageA(group, WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTTRANSPARENT);
    POINT inside{20, 20};
    ClientToScreen(group, &inside);
    EXPECT_EQ(WindowFromPoint(inside), parent);
    Click(group, {20, 20});
    EXPECT_NE(GetFocus(), group);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(SendMessageA(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(ButtonTest, ColourMessageByKindAndTheParentsBrush) {
    const HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    Answer([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLORSTATIC) {
            return HandleToParam(green);
        }
        return std::nullopt;
    });
    const HWND push = Make(BS_PUSHBUTTON, "", 7, 10);
    const HWND check = Make(BS_CHECKBOX, "", 7, 100);
    test::pump();
    const auto push_colour = Parent().Of(WM_CTLCOLORBTN);
    ASSERT_FALSE(push_colour.empty());
    EXPECT_EQ(HwndFromParam(push_colour.back().lParam), push);
    EXPECT_NE(push_colour.back().wParam, 0u) << "the DC it paints with";
    ASSERT_FALSE(Parent().Of(WM_CTLCOLORSTATIC).empty());
    EXPECT_EQ(HwndFromParam(Parent().Of(WM_CTLCOLORSTATIC).back().lParam), check);
    EXPECT_EQ(ClientPixel(check, 70, 12), RGB(0, 200, 0));
    Answer({});
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(green));
}

// The looks at chosen points: the outline and bevel corners of a push button, the box of a check
// box, and the caption's ink.
TEST_F(ButtonTest, DefaultFocusedPressedCheckedAndDisabledLooks) {
    const HWND plain = Make(BS_PUSHBUTTON, "", 7, 10, 10);
    const HWND def = Make(BS_DEFPUSHBUTTON, "", 7, 100, 10);
    test::pump();
    EXPECT_EQ(ClientPixel(plain, 0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(ClientPixel(plain, 1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ClientPixel(plain, 79, 23), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(ClientPixel(def, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << "default outline";
    EXPECT_EQ(ClientPixel(def, 79, 12), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(ClientPixel(def, 1, 1), GetSysColor(COLOR_3DLIGHT)) << "the bevel inside it";

    SendMessageA(plain, BM_SETSTATE, TRUE, 0);
    test::pump();
    EXPECT_EQ(ClientPixel(plain, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "pushed: sunken";
    EXPECT_EQ(ClientPixel(plain, 1, 1), GetSysColor(COLOR_3DDKSHADOW));
    SendMessageA(plain, BM_SETSTATE, FALSE, 0);

    // The focus rectangle runs one pixel inside the 2-pixel face edge.
    const RECT focusRow{3, 3, 77, 4};
    EXPECT_EQ(CountPixels(plain, focusRow, GetSysColor(COLOR_BTNFACE)), 74);
    SetFocus(plain);
    test::pump();
    EXPECT_LT(CountPixels(plain, focusRow, GetSysColor(COLOR_BTNFACE)), 74);

    const HWND box = Make(BS_CHECKBOX, "", 7, 10, 50);
    test::pump();
    // The 13-pixel box sits at the left, centred in 24: rows 5..17; the inside starts at 2.
    EXPECT_EQ(ClientPixel(box, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(box, 6, 11), GetSysColor(COLOR_WINDOW));
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    test::pump();
    EXPECT_EQ(ClientPixel(box, 6, 11), GetSysColor(COLOR_WINDOWTEXT)) << "the tick";
    SendMessageA(box, BM_SETSTYLE, BS_3STATE, FALSE);
    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    test::pump();
    EXPECT_EQ(ClientPixel(box, 6, 11), GetSysColor(COLOR_BTNSHADOW)) << "indeterminate tick";
    EXPECT_EQ(ClientPixel(box, 3, 7), GetSysColor(COLOR_BTNFACE));

    const HWND caption = Make(BS_PUSHBUTTON, "WWW", 7, 10, 90);
    test::pump();
    const RECT all{2, 2, 78, 22};
    EXPECT_GT(CountPixels(caption, all, GetSysColor(COLOR_WINDOWTEXT)), 10);
    EnableWindow(caption, FALSE);
    test::pump();
    EXPECT_EQ(CountPixels(caption, all, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(CountPixels(caption, all, GetSysColor(COLOR_GRAYTEXT)), 10) << "disabled: grey";
}

TEST_F(ButtonTest, GroupBoxFrameRunsThroughTheCaptionLine) {
    const HWND group = MakeChild(parent, "Button", BS_GROUPBOX, 10, 10, 120, 80, 7, "Options");
    test::pump();
    TEXTMETRICA metrics;
    const HDC hdc = GetDC(group);
    GetTextMetricsA(hdc, &metrics);
    ReleaseDC(group, hdc);
    const int line = metrics.tmHeight / 2;
    EXPECT_EQ(ClientPixel(group, 2, line), GetSysColor(COLOR_BTNSHADOW)) << "etched, outer";
    EXPECT_EQ(ClientPixel(group, 2, line + 1), GetSysColor(COLOR_BTNHIGHLIGHT)) << "inner";
    EXPECT_EQ(ClientPixel(group, 6, line), GetSysColor(COLOR_BTNFACE)) << "gap before caption";
    EXPECT_EQ(ClientPixel(group, 0, 40), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(group, 1, 40), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_GT(CountPixels(group, {8, 0, 60, metrics.tmHeight}, GetSysColor(COLOR_WINDOWTEXT)), 10);
}

} // namespace
} // namespace controltest

#include "ControlFixture.h"

#include "platform/win/icon/Icons.h"
#include "platform/win/text/Fonts.h"

namespace controltest {
namespace {

class StaticTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
    }
    HWND Make(DWORD style, const char* text, int y = 10, int cx = 120, int cy = 40) {
        return MakeChild(parent, "Static", style, 10, y, cx, cy, 5, text);
    }
    static int Ink(HWND hwnd, RECT area) {
        return CountPixels(hwnd, area, GetSysColor(COLOR_WINDOWTEXT));
    }
    HWND parent;
};

TEST_F(StaticTest, PrefixRulesAndTheirAbsenceWithNoPrefix) {
    const HWND doubled = Make(0, "&&", 5, 120, 30);
    const HWND literal = Make(SS_NOPREFIX, "&", 45, 120, 30);
    const HWND mnemonic = Make(0, "&W", 85, 120, 30);
    const HWND plain = Make(SS_NOPREFIX, "W", 125, 120, 30);
    const HWND shown = Make(SS_NOPREFIX, "&W", 165, 120, 30);
    test::pump();
    const RECT all{0, 0, 120, 30};
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            ASSERT_EQ(ClientPixel(doubled, x, y), ClientPixel(literal, x, y))
                << "\"&&\" shows one ampersand, at " << x << "," << y;
        }
    }
    EXPECT_GT(Ink(mnemonic, all), Ink(plain, all)) << "the W is underlined, the & hidden";
    EXPECT_GT(Ink(shown, all), Ink(mnemonic, all)) << "SS_NOPREFIX shows the ampersand";
}

TEST_F(StaticTest, AlignmentAndWrappingStyles) {
    const RECT left{0, 0, 40, 40};
    const RECT right{80, 0, 120, 40};
    const HWND r = Make(SS_RIGHT, "WW", 10);
    const HWND c = Make(SS_CENTER, "WW", 60);
    test::pump();
    EXPECT_EQ(Ink(r, left), 0);
    EXPECT_GT(Ink(r, right), 0);
    EXPECT_EQ(Ink(c, left) + Ink(c, right), 0);
    EXPECT_GT(Ink(c, {40, 0, 80, 40}), 0);

    // A text too wide for one line: wrapped by SS_LEFT, clipped to one line by
    // SS_LEFTNOWORDWRAP.
    const char* words = "WWWW WWWW WWWW WWWW";
    const HWND wrapped = Make(SS_LEFT, words, 110, 60, 60);
    const HWND oneLine = Make(SS_LEFTNOWORDWRAP, words, 180, 60, 60);
    test::pump();
    const int line = [&] {
        TEXTMETRICA metrics;
        const HDC hdc = GetDC(wrapped);
        GetTextMetricsA(hdc, &metrics);
        ReleaseDC(wrapped, hdc);
        return static_cast<int>(metrics.tmHeight);
    }();
    const RECT second{0, line, 60, 60};
    EXPECT_GT(Ink(wrapped, second), 0);
    EXPECT_EQ(Ink(oneLine, second), 0);
    EXPECT_GT(Ink(oneLine, {50, 0, 60, line}), 0) << "clipped at the right edge";
}

TEST_F(StaticTest, ColoursFromTheParentAndGreyWhenDisabled) {
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLORSTATIC) {
            const HDC hdc = HdcFromParam(static_cast<intptr_t>(wParam));
            SetTextColor(hdc, RGB(255, 255, 0));
            SetBkMode(hdc, TRANSPARENT);
            return HandleToParam(blue);
        }
        return std::nullopt;
    });
    const HWND label = Make(0, "WWW");
    test::pump();
    ASSERT_FALSE(Parent().Of(WM_CTLCOLORSTATIC).empty());
    EXPECT_EQ(HwndFromParam(Parent().Of(WM_CTLCOLORSTATIC).back().lParam), label);
    const RECT all{0, 0, 120, 40};
    const int yellow = CountPixels(label, all, RGB(255, 255, 0));
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(yellow + CountPixels(label, all, RGB(0, 0, 200)), 120 * 40)
        << "TRANSPARENT: no text background";
    EnableWindow(label, FALSE);
    test::pump();
    EXPECT_EQ(CountPixels(label, all, RGB(255, 255, 0)), 0);
    EXPECT_GT(CountPixels(label, all, GetSysColor(COLOR_GRAYTEXT)), 10);
    Answer({});
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(blue));
}

TEST_F(StaticTest, NotifyStyleFocusByCodeAndChildCommands) {
    const HWND quiet = Make(0, "a", 10);
    const HWND notify = Make(SS_NOTIFY, "b", 60);
    Click(quiet, {5, 5});
    EXPECT_TRUE(Commands().empty());
    EXPECT_NE(GetFocus(), quiet) << "a click does not focus a static";
    Click(notify, {5, 5});
    EXPECT_EQ(Commands(), (std::vector<WORD>{STN_CLICKED}));

    SetFocus(quiet);
    test::Spy spy(quiet);
    Key(VK_RETURN);
    EXPECT_EQ(GetFocus(), quiet);
    EXPECT_EQ(spy.Count(WM_KEYDOWN, quiet), 1u);
    EXPECT_FALSE(test::caretInfo().owner) << "no caret";

    // A button inside the static reports to the static, which lets it go.
    const HWND browse = MakeChild(quiet, "Button", 0, 0, 0, 20, 20, 0, "...");
    Parent().Clear();
    Click(browse, {5, 5});
    EXPECT_EQ(spy.Count(WM_COMMAND, quiet), 1u);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(StaticTest, SunkenEdgeIconStyleAndFonts) {
    const HWND sunken = Make(SS_SUNKEN, "");
    EXPECT_TRUE(GetWindowLongA(sunken, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    RECT client;
    GetClientRect(sunken, &client);
    EXPECT_EQ(client.right, 118);

    const HWND icon = Make(SS_ICON, "", 60, 40, 40);
    const HICON app = LoadIconA({}, IDI_APPLICATION);
    EXPECT_EQ(SendMessageA(icon, STM_SETICON, static_cast<WPARAM>(app.Value()), 0), 0);
    EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), HandleToParam(app));
    test::pump();
    int drawn = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            drawn += ClientPixel(icon, x, y) != GetSysColor(COLOR_BTNFACE);
        }
    }
    EXPECT_GT(drawn, 50);

    const HWND text = Make(0, "WWW", 110);
    const HFONT big = CreateFontA(-24, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    test::pump();
    const RECT all{0, 0, 120, 40};
    const int small = Ink(text, all);
    SendMessageA(text, WM_SETFONT, static_cast<WPARAM>(big.Value()), TRUE);
    EXPECT_EQ(SendMessageA(text, WM_GETFONT, 0, 0), HandleToParam(big));
    test::pump();
    EXPECT_GT(Ink(text, all), small);
    DeleteObject(HGDIOBJ(big));
    InvalidateRect(text, nullptr, TRUE);
    test::pump();
    EXPECT_EQ(Ink(text, all), small) << "a deleted font falls back to the default";
    EXPECT_TRUE(SetWindowTextA(text, ""));
    test::pump();
    EXPECT_EQ(Ink(text, all), 0);
}

} // namespace
} // namespace controltest

#include "TooltipFixture.h"

#include "platform/ole/error/Error.h"
#include "shared/util/ColorUtils.h"

namespace tooltiptest {
namespace {

using shared::CTooltip;

constexpr UINT kTipFlags = TTF_SUBCLASS | TTF_TRANSPARENT;

class CTooltipMessagesTest : public TooltipTest {
protected:
    void SetUp() override {
        TooltipTest::SetUp();
        parent = MakeParent();
        tip.init(parent);
        tap.Watch(tip.hwnd());
        spy.Watch(tip.hwnd());
    }

    // Messages that change the control: every TTM_* other than the lookups FindToolInfo makes.
    std::vector<UINT> Changes() const {
        std::vector<UINT> ids;
        for (UINT id : spy.MessageIds(tip.hwnd())) {
            if (id >= WM_USER && id != TTM_GETTOOLCOUNT && id != TTM_ENUMTOOLSA) {
                ids.push_back(id);
            }
        }
        return ids;
    }

    HWND parent;
    CTooltip tip;
    PointeeTap tap;
    test::Spy spy;
};

TEST_F(CTooltipMessagesTest, InitMakesAnActiveTopmostTipOwnedByTheParentAndInitAgainReplacesIt) {
    const HWND first = tip.hwnd();
    ASSERT_TRUE(IsWindow(first));
    EXPECT_EQ(GetWindow(first, GW_OWNER), parent);
    EXPECT_TRUE(GetWindowLongA(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const auto style = static_cast<DWORD>(GetWindowLongA(first, GWL_STYLE));
    EXPECT_EQ(style & 0xFFFF, TTS_NOPREFIX | TTS_NOANIMATE);
    EXPECT_FALSE(Shown(first));
    EXPECT_EQ(GetActiveWindow(), parent) << "creating the tip must not take activation";

    const size_t windows = test::LiveWindowCount();
    ASSERT_TRUE(tip.AddTool(5, false, 0, 0, 10, 10, "stale"));
    test::Spy all;
    all.WatchAll();
    tip.init(parent);
    EXPECT_FALSE(IsWindow(first)) << "the earlier tip and its tools are gone";
    EXPECT_NE(tip.hwnd(), first);
    EXPECT_EQ(test::LiveWindowCount(), windows);
    EXPECT_EQ(tip.ToolCount(), 0);
    const auto activate = all.First(TTM_ACTIVATE, tip.hwnd());
    ASSERT_TRUE(activate);
    EXPECT_EQ(activate->wParam, static_cast<WPARAM>(-1)) << "True as -1";
}

TEST_F(CTooltipMessagesTest, AddToolTrimsStoresABlankForEmptyTextAndRefusesADuplicateId) {
    EXPECT_TRUE(tip.AddTool(7, false, 10, 20, 30, 40, "  name  "));
    auto added = tap.Of(TTM_ADDTOOLA);
    ASSERT_EQ(added.size(), 1u);
    const TOOLINFOA& info = *added[0].info;
    EXPECT_EQ(info.cbSize, sizeof(TOOLINFOA));
    EXPECT_EQ(info.uFlags, kTipFlags);
    EXPECT_EQ(info.hwnd, parent);
    EXPECT_EQ(info.uId, 7u);
    EXPECT_EQ(info.rect, (RECT{10, 20, 40, 60}));
    EXPECT_EQ(added[0].text, "name");

    EXPECT_TRUE(tip.AddTool(HandleToParam(parent), true, 0, 0, 0, 0, "   "));
    added = tap.Of(TTM_ADDTOOLA);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[1].info->uFlags, kTipFlags | TTF_IDISHWND);
    EXPECT_EQ(added[1].text, " ");
    EXPECT_EQ(tip.Text(HandleToParam(parent)), " ");

    spy.Clear();
    EXPECT_FALSE(tip.AddTool(7, true, 1, 1, 1, 1, "other"));
    EXPECT_TRUE(Changes().empty()) << "a duplicate id sends no TTM_ADDTOOLA";
    EXPECT_EQ(tip.ToolCount(), 2);
    EXPECT_EQ(tip.Text(7), "name");
    EXPECT_EQ(tip.ToolId(0), 7u);
    EXPECT_EQ(tip.ToolId(1), static_cast<UINT_PTR>(HandleToParam(parent)));
    EXPECT_EQ(tip.ToolId(2), 0u);
    EXPECT_EQ(tip.ToolId(-1), 0u);
    for (const Tapped& t : tap.Of(TTM_ENUMTOOLSA)) {
        EXPECT_TRUE(t.textNull) << "lookups never give the control a text pointer";
    }
}

TEST_F(CTooltipMessagesTest, AbsentIdsSendNothingAndRectangleSumsOverflowWithError6) {
    ASSERT_TRUE(tip.AddTool(1, false, 0, 0, 10, 10, "one"));
    spy.Clear();
    tip.SetNewToolRect(99, 0, 0, 5, 5);
    tip.DeleteTool(99);
    tip.SetText(99, "x");
    EXPECT_EQ(tip.Text(99), "");
    EXPECT_TRUE(Changes().empty());

    tip.SetNewToolRect(1, -1, -1, 0, 0);
    const auto moved = tap.Of(TTM_NEWTOOLRECTA);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].info->rect, (RECT{-1, -1, -1, -1}));
    EXPECT_EQ(moved[0].info->uId, 1u);

    spy.Clear();
    const auto raisesOverflow = [](auto&& call) {
        try {
            call();
        } catch (const ole::Error& e) {
            return e.Number() == ole::ERR_OVERFLOW;
        }
        return false;
    };
    EXPECT_TRUE(raisesOverflow([&] { tip.SetNewToolRect(1, INT32_MAX, 0, 1, 0); }));
    EXPECT_TRUE(raisesOverflow([&] { tip.AddTool(2, false, 0, INT32_MIN, 0, -1, "t"); }));
    EXPECT_TRUE(spy.MessageIds(tip.hwnd()).empty()) << "the overflow is raised before any message";
    EXPECT_EQ(tip.ToolCount(), 1);
    EXPECT_NO_THROW(tip.AddTool(3, false, INT32_MAX - 1, 0, 1, 0, "edge"));

    tip.DeleteTool(1);
    EXPECT_EQ(tap.Of(TTM_DELTOOLA).size(), 1u);
    EXPECT_EQ(tip.ToolCount(), 1);
    EXPECT_EQ(tip.ToolId(0), 3u);
}

TEST_F(CTooltipMessagesTest, TextReadsBackWholeThroughAByteSizedBuffer) {
    ASSERT_TRUE(tip.AddTool(1, false, 0, 0, 10, 10, "Button Face"));
    EXPECT_EQ(tip.Text(1), "Button Face");
    auto reads = tap.Of(TTM_GETTEXTA);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].wParam, std::string("Button Face").size() + 1)
        << "size passed, NUL included";

    // 11 characters but 19 bytes: a buffer counted in characters would cut it.
    const std::string wide = "Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x80\x93 \xE6\xB8\xA9\xE5\xBA\xA6";
    tip.SetText(1, wide);
    const auto updates = tap.Of(TTM_UPDATETIPTEXTA);
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates[0].text, wide);
    EXPECT_EQ(tip.Text(1), wide);
    reads = tap.Of(TTM_GETTEXTA);
    EXPECT_EQ(reads.back().wParam, wide.size() + 1);

    tip.SetText(1, "  padded ");
    EXPECT_EQ(tip.Text(1), "  padded ") << "Text let stores the text as given";
    tip.SetText(1, "");
    EXPECT_EQ(tip.Text(1), "");
}

TEST_F(CTooltipMessagesTest, TitleAndIconTravelTogether) {
    tip.SetIcon(1);
    auto titles = tap.Of(TTM_SETTITLEA);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].wParam, 1u);
    EXPECT_FALSE(titles[0].textNull);
    EXPECT_EQ(titles[0].text, "");

    tip.SetTitle("  Heads up ");
    titles = tap.Of(TTM_SETTITLEA);
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].wParam, 1u) << "the stored icon goes with the title";
    EXPECT_EQ(titles[1].text, "Heads up");
    EXPECT_EQ(tip.Title(), "Heads up");
    tip.SetIcon(3);
    EXPECT_EQ(tap.Of(TTM_SETTITLEA).back().text, "Heads up");
    EXPECT_EQ(tip.Icon(), 3);
}

TEST_F(CTooltipMessagesTest, MarginsColoursFontAndBalloonStyle) {
    tip.SetLeftMargin(1);
    tip.SetTopMargin(2);
    tip.SetRightMargin(3);
    tip.SetBottomMargin(4);
    tip.SetLeftMargin(9);
    EXPECT_EQ(tip.LeftMargin(), 9);
    EXPECT_EQ(tip.TopMargin(), 2);
    EXPECT_EQ(tip.RightMargin(), 3);
    EXPECT_EQ(tip.BottomMargin(), 4);
    EXPECT_EQ(spy.Count(TTM_SETMARGIN, tip.hwnd()), 5u);

    tip.SetBackColor(0x80000000u | COLOR_INFOBK);
    EXPECT_EQ(spy.First(TTM_SETTIPBKCOLOR)->wParam, GetSysColor(COLOR_INFOBK))
        << "system colours are translated to RGB";
    EXPECT_EQ(tip.BackColor(), GetSysColor(COLOR_INFOBK));
    tip.SetForeColor(RGB(1, 2, 3));
    EXPECT_EQ(spy.First(TTM_SETTIPTEXTCOLOR)->wParam, RGB(1, 2, 3));
    EXPECT_EQ(tip.ForeColor(), RGB(1, 2, 3));

    const HFONT font = HFONT::FromValue(1234);
    tip.SetHFont(font);
    const auto setFont = spy.First(WM_SETFONT, tip.hwnd());
    ASSERT_TRUE(setFont);
    EXPECT_EQ(setFont->wParam, static_cast<WPARAM>(font.Value()));
    EXPECT_EQ(setFont->lParam, 1);

    EXPECT_FALSE(tip.BallonStyle());
    tip.SetBallonStyle(true);
    EXPECT_TRUE(tip.BallonStyle());
    EXPECT_TRUE(GetWindowLongA(tip.hwnd(), GWL_STYLE) & TTS_NOPREFIX) << "other bits kept";
    tip.SetBallonStyle(false);
    EXPECT_FALSE(GetWindowLongA(tip.hwnd(), GWL_STYLE) & TTS_BALLOON);

    RECT text{10, 10, 50, 30};
    tip.AdjustRect(&text);
    EXPECT_LE(text.left, 10);
    EXPECT_GE(text.right, 50);
    EXPECT_NO_THROW(tip.AdjustRect(nullptr));
}

TEST_F(CTooltipMessagesTest, DelaysTravelAsUnsignedLowWords) {
    tip.SetInitialDelay(250);
    tip.SetReshowDelay(40);
    tip.SetAutopopDelay(-1);
    const auto& sent = spy.Messages();
    std::vector<std::pair<WPARAM, LPARAM>> delays;
    for (const test::SpiedMessage& m : sent) {
        if (m.msg == TTM_SETDELAYTIME) {
            delays.emplace_back(m.wParam, m.lParam);
        }
    }
    const std::vector<std::pair<WPARAM, LPARAM>> expected{
        {TTDT_INITIAL, 250}, {TTDT_RESHOW, 40}, {TTDT_AUTOPOP, 0xFFFF}};
    EXPECT_EQ(delays, expected);
    EXPECT_EQ(tip.InitialDelay(), 250);
    EXPECT_EQ(tip.ReshowDelay(), 40);
    EXPECT_EQ(tip.AutopopDelay(), -1) << "65535 ms reads back as the 16-bit -1";
    EXPECT_EQ(SendMessageA(tip.hwnd(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 65535);
}

} // namespace
} // namespace tooltiptest

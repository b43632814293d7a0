#include "TooltipFixture.h"

namespace tooltiptest {
namespace {

using shared::CTooltip;
using shared::TooltipZOrder;

// The parent at (100, 100) with one rectangle tool over (20, 20)-(120, 60) of its client area.
class CTooltipBehaviourTest : public TooltipTest {
protected:
    void Prepare(CTooltip& tip) {
        parent = MakeParent();
        tip.init(parent);
        ASSERT_TRUE(tip.AddTool(1, false, 20, 20, 100, 40, "A cut-off value"));
    }
    static void Hover(HWND hwnd, POINT pt) {
        test::mouseMove(hwnd, pt);
        test::pump();
    }

    HWND parent;
};

TEST_F(CTooltipBehaviourTest, TipShowsAfterTheInitialDelayAndHidesWhenDeactivatedOrEmptied) {
    CTooltip tip;
    Prepare(tip);
    tip.SetInitialDelay(300);
    Hover(parent, {30, 30});
    test::advanceTime(299);
    EXPECT_FALSE(Shown(tip.hwnd()));
    test::advanceTime(1);
    ASSERT_TRUE(Shown(tip.hwnd()));
    EXPECT_EQ(Notifications(), std::vector<int>{TTN_SHOW});
    EXPECT_EQ(GetActiveWindow(), parent) << "a shown tip never takes activation";

    tip.Activate(false);
    EXPECT_FALSE(Shown(tip.hwnd()));
    EXPECT_EQ(Notifications(), (std::vector<int>{TTN_SHOW, TTN_POP}));

    tip.Activate(true);
    Hover(parent, {200, 150});
    Hover(parent, {40, 40});
    test::advanceTime(300);
    ASSERT_TRUE(Shown(tip.hwnd()));
    tip.SetText(1, "");
    EXPECT_FALSE(Shown(tip.hwnd())) << "an empty text hides the shown tip";
    EXPECT_EQ(Notifications().back(), TTN_POP);
}

TEST_F(CTooltipBehaviourTest, AnsweredShowKeepsThePositionSetWithSetToolWindowPos) {
    CTooltip tip;
    Prepare(tip);
    test::TestWindowClass::Answer([](HWND, UINT msg, WPARAM, LPARAM lParam) {
        const bool show =
            msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TTN_SHOW;
        return show ? std::optional<LRESULT>(1) : std::nullopt;
    });
    tip.SetToolWindowPos(250, 260);
    Hover(parent, {30, 30});
    test::advanceTime(500);
    ASSERT_TRUE(Shown(tip.hwnd()));
    RECT rect;
    GetWindowRect(tip.hwnd(), &rect);
    EXPECT_EQ(rect.left, 250);
    EXPECT_EQ(rect.top, 260);
}

TEST_F(CTooltipBehaviourTest, SetToolWindowPosReassertsTopmostOnlyInTheFirstVariant) {
    for (const TooltipZOrder rule : {TooltipZOrder::Topmost, TooltipZOrder::Keep}) {
        SCOPED_TRACE(rule == TooltipZOrder::Topmost ? "topmost" : "keep");
        CTooltip tip(rule);
        Prepare(tip);
        const HWND dropDown = CreateWindowExA(WS_EX_TOPMOST, "TipParent", "drop", WS_POPUP, 0, 0,
                                              50, 50, {}, {}, {}, nullptr);
        ShowWindow(dropDown, SW_SHOWNA);
        ASSERT_TRUE(Above(dropDown, tip.hwnd()));
        test::Spy spy(tip.hwnd());

        tip.SetToolWindowPos(5, 6);
        RECT rect;
        GetWindowRect(tip.hwnd(), &rect);
        EXPECT_EQ(rect.left, 5);
        EXPECT_EQ(rect.top, 6);
        EXPECT_EQ(GetActiveWindow(), parent);
        EXPECT_EQ(Above(tip.hwnd(), dropDown), rule == TooltipZOrder::Topmost);
        EXPECT_EQ(spy.Count(WM_WINDOWPOSCHANGED, tip.hwnd()), 1u);
        DestroyWindow(dropDown);
        DestroyWindow(parent);
    }
}

TEST_F(CTooltipBehaviourTest, EachWrapperCarriesItsOwnZOrderRule) {
    // Both kinds live side by side in one process, as the libraries that use them do.
    const shared::CToolTip second;
    EXPECT_EQ(CTooltip().ZOrder(), TooltipZOrder::Topmost);
    EXPECT_EQ(second.ZOrder(), TooltipZOrder::Keep);
}

TEST_F(CTooltipBehaviourTest, ATipWhoseParentDiedFirstIsGoneAndReleasingItIsHarmless) {
    const size_t windows = test::LiveWindowCount();
    {
        CTooltip tip;
        Prepare(tip);
        Hover(parent, {30, 30});
        test::advanceTime(500);
        ASSERT_TRUE(Shown(tip.hwnd()));
        const HWND tipWindow = tip.hwnd();
        DestroyWindow(parent);
        EXPECT_FALSE(IsWindow(tipWindow)) << "the tip dies with its owner";
        test::Spy all;
        all.WatchAll();
        // Every operation on the dead tip is harmless and reads nothing.
        EXPECT_EQ(tip.ToolCount(), 0);
        EXPECT_EQ(tip.Text(1), "");
        EXPECT_FALSE(tip.AddTool(2, false, 0, 0, 1, 1, "late"));
        tip.SetToolWindowPos(1, 1);
        EXPECT_TRUE(all.Messages().empty());
    }
    EXPECT_EQ(test::LiveWindowCount(), windows);

    // Released while alive, the wrapper destroys its own window.
    auto tip = std::make_unique<CTooltip>();
    Prepare(*tip);
    const HWND tipWindow = tip->hwnd();
    tip.reset();
    EXPECT_FALSE(IsWindow(tipWindow));
    EXPECT_TRUE(IsWindow(parent));
}

} // namespace
} // namespace tooltiptest

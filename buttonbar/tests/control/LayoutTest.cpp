// Layout of the four boxes, the group bars and the active group's buttons, checked as pixel
// rectangles for chosen sizes. The button area is given its size directly, as a resize would.

#include "BarFixture.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "testsupport/ErrorOf.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <gtest/gtest.h>

#include <functional>

namespace shelfstrip::test {
namespace {

using ole::Variant;
using testsupport::ErrorOf;

class LayoutTest : public BarFixture {
protected:
    // The button area's window rectangle in the control's client pixels.
    static win::RECT BoxRect(const forms::PictureBox* box) { return box->PixelBounds(); }
    // Gives the button area an inner size of w x h pixels.
    void AreaSize(int32_t w, int32_t h) { Bar().ButtonsBox()->SetPixelBounds({0, 0, w, h}); }
    // User-specified cells of w x h pixels.
    void UserCells(int32_t w, int32_t h) {
        Bar().LetButtonWidth(w * 15);
        Bar().LetButtonHeight(h * 15);
        Bar().LetButtonSize(ksUserSpecified);
    }
    std::vector<std::vector<int32_t>> Grid() { return Bar().Layout().buttonGrid; }
    // One line of button captions in the bar's font as it is now.
    int32_t CaptionLine() {
        const win::WindowDc dc(Bar().ButtonsBox()->Window());
        const win::SelectedObject font(
            dc.Get(), Bar().ResourceMgr()->GetFont(*Bar().GetFont(), "BUTTONFONT"));
        win::SIZE extent{};
        win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &extent);
        return extent.cy + 2;
    }
    win::RECT Bounds(int32_t position) {
        return ActiveGroup()->GetButtons()->At(position)->Bounds();
    }
};

TEST_F(LayoutTest, BoxesStackAlongTheGroupFlow) {
    KSButtonBar& bar = HostBar(HostMode::User, {0, 0, 200, 300});
    const int32_t g = bar.Layout().groupBarHeight;
    ASSERT_GT(g, 4);
    win::RECT client{};
    win::GetClientRect(bar.hWnd(), &client);
    const int32_t W = client.right;
    const int32_t H = client.bottom;
    // One group: its bar above, no lower bars, the buttons reach the far edge.
    EXPECT_EQ(BoxRect(bar.CaptionBar()), (win::RECT{0, 0, W, 0}));
    EXPECT_EQ(BoxRect(bar.UpperGroupsBox()), (win::RECT{0, 0, W, g}));
    EXPECT_EQ(BoxRect(bar.ButtonsBox()), (win::RECT{0, g, W, H}));
    EXPECT_EQ(BoxRect(bar.LowerGroupsBox()), (win::RECT{0, H, W, H}));
    EXPECT_EQ(ActiveGroup()->Bounds(), (win::RECT{0, 0, W, g}));

    bar.GetGroups()->Add("Second");
    bar.LetShowCaptionBar(true);
    const int32_t c = g - 4;
    EXPECT_EQ(BoxRect(bar.CaptionBar()), (win::RECT{0, 0, W, c}));
    EXPECT_EQ(BoxRect(bar.UpperGroupsBox()), (win::RECT{0, c, W, c + g}));
    EXPECT_EQ(BoxRect(bar.ButtonsBox()), (win::RECT{0, c + g, W, H - g}));
    EXPECT_EQ(BoxRect(bar.LowerGroupsBox()), (win::RECT{0, H - g, W, H}));
    EXPECT_EQ(bar.Layout().closeButton, (win::RECT{W - c + 2, 2, W - 2, c - 2}));

    // Turned on their side; the turned font measures the same bar.
    bar.LetGroupFlow(ksHorizontal);
    EXPECT_EQ(bar.Layout().groupBarHeight, g);
    EXPECT_EQ(BoxRect(bar.CaptionBar()), (win::RECT{0, 0, c, H}));
    EXPECT_EQ(BoxRect(bar.UpperGroupsBox()), (win::RECT{c, 0, c + g, H}));
    EXPECT_EQ(BoxRect(bar.ButtonsBox()), (win::RECT{c + g, 0, W - g, H}));
    EXPECT_EQ(BoxRect(bar.LowerGroupsBox()), (win::RECT{W - g, 0, W, H}));
    EXPECT_EQ(bar.Layout().closeButton, (win::RECT{2, 2, c - 2, c - 2}));
    EXPECT_EQ(bar.GetGroups()->At(2)->Bounds(), (win::RECT{0, 0, g, H}));
}

TEST_F(LayoutTest, BarsFillingTheControlLeaveAnEmptyButtonArea) {
    KSButtonBar& bar = HostBar(HostMode::User, {0, 0, 60, 60});
    for (int i = 0; i < 6; ++i)
        bar.GetGroups()->Add("G");
    EXPECT_EQ(BoxRect(bar.ButtonsBox()).bottom, BoxRect(bar.ButtonsBox()).top);
    bar.LetGroupFlow(ksHorizontal);
    EXPECT_EQ(BoxRect(bar.ButtonsBox()).right, BoxRect(bar.ButtonsBox()).left);
    // The bars split around the active group.
    bar.SetActiveGroup(bar.GetGroups()->At(2));
    EXPECT_EQ(bar.UpperGroups()->Count(), 2);
    EXPECT_EQ(bar.LowerGroups()->Count(), 5);
}

// A flow or layout outside its enumeration is refused by the setter and loads as the default, so
// an area of any size, none included, lays out in every flow and layout that can be set.
TEST_F(LayoutTest, OutOfRangeFlowsAndLayoutsAreRefusedAtAnyAreaSize) {
    for (const win::RECT& bounds :
         {win::RECT{0, 0, 200, 300}, win::RECT{0, 0, 200, 0}, win::RECT{0, 0, 0, 300}}) {
        SCOPED_TRACE(bounds.bottom);
        KSButtonBar& bar = HostBar(HostMode::User, bounds);
        AddButtons(3);
        for (const ole::DISPID id : {KSButtonBar::IdButtonFlow, KSButtonBar::IdButtonLayout}) {
            for (const int32_t refused : {2, -1}) {
                const Variant before = Get(id);
                EXPECT_EQ(ErrorOf([&] { Put(id, Variant(refused)); }), errors::kNumber);
                EXPECT_EQ(ole::CLng(Get(id)), ole::CLng(before));
            }
        }
        for (const int32_t flow : {ksVertical, ksHorizontal}) {
            for (const int32_t layout : {ksTiled, ksLinear}) {
                bar.LetButtonFlow(flow);
                bar.LetButtonLayout(layout);
                EXPECT_GE(bar.Layout().buttonsPerLine, 1);
            }
        }
        Unload();

        m_stored = ole::PropertyBag::Create();
        for (const auto& [name, value] : {std::pair{"ButtonFlow", 2},
                                          {"ButtonLayout", 2},
                                          {"ButtonSize", 0},
                                          {"GroupCount", 2}})
            m_stored->WriteProperty(name, Variant(value), Variant::Missing());
        HostBar(HostMode::User, bounds, m_stored.Get());
        EXPECT_TRUE(ole::TakeReportedErrors().empty());
        EXPECT_EQ(Bar().GetButtonFlow(), ksVertical);
        EXPECT_EQ(Bar().GetButtonLayout(), ksLinear);
        EXPECT_EQ(Bar().GetGroups()->Count(), 2);
        Unload();
    }
}

TEST_F(LayoutTest, TiledCellsFillLinesAndHiddenButtonsLeaveNoGap) {
    KSButtonBar& bar = HostBar();
    bar.LetButtonLayout(ksTiled);
    UserCells(40, 40);
    AddButtons(5);
    AreaSize(100, 300);
    EXPECT_EQ(bar.Layout().buttonsPerLine, 2);
    EXPECT_EQ(Grid(), (std::vector<std::vector<int32_t>>{{1, 2}, {3, 4}, {5, 0}}));
    EXPECT_EQ(Bounds(4), (win::RECT{40, 40, 80, 80}));
    ActiveGroup()->GetButtons()->At(2)->LetVisible(false);
    bar.LayoutButtons();
    EXPECT_EQ(Grid(), (std::vector<std::vector<int32_t>>{{1, 3}, {4, 5}}));
    EXPECT_EQ(Bounds(3), (win::RECT{40, 0, 80, 40}));
}

TEST_F(LayoutTest, LinesThatDoNotFitScrollBetweenArrowStrips) {
    KSButtonBar& bar = HostBar();
    UserCells(48, 48);
    AddButtons(10);
    AreaSize(120, 200);
    const LayoutState& layout = bar.Layout();
    EXPECT_EQ(layout.scrollMax, 7);
    EXPECT_EQ(layout.upLeftArrow, (win::RECT{0, 0, 120, 15}));
    EXPECT_EQ(layout.downRightArrow, (win::RECT{0, 185, 120, 200}));
    EXPECT_EQ(Bounds(1), (win::RECT{36, 15, 84, 63}));
    bar.Layout().firstVisibleLine = 7;
    AreaSize(120, 300);
    EXPECT_EQ(layout.scrollMax, 5);
    EXPECT_EQ(layout.firstVisibleLine, 5);
    EXPECT_EQ(Bounds(6).top, 15);
    AreaSize(120, 600);
    EXPECT_EQ(layout.scrollMax, 0);
    EXPECT_EQ(layout.upLeftArrow, (win::RECT{}));
    EXPECT_EQ(Bounds(1).top, 0);

    // Across: a column per button, centred in the height.
    bar.LetButtonFlow(ksHorizontal);
    AreaSize(200, 101);
    EXPECT_EQ(layout.upLeftArrow, (win::RECT{0, 0, 15, 101}));
    EXPECT_EQ(Bounds(1), (win::RECT{15, 26, 63, 74}));

    // An area narrower than its two strips leaves no room between them, not less than none.
    UserCells(1, 48);
    AreaSize(8, 101);
    EXPECT_EQ(layout.scrollMax, 10);
}

TEST_F(LayoutTest, ALinearLineIsCentredHalvesToEven) {
    HostBar();
    UserCells(40, 40);
    AddButtons(1);
    AreaSize(101, 100);
    EXPECT_EQ(Bounds(1).left, 30);
    AreaSize(103, 100);
    EXPECT_EQ(Bounds(1).left, 32);
}

TEST_F(LayoutTest, AutomaticCellsFollowPicturesAndCaptions) {
    KSButtonBar& bar = HostBar();
    bar.LetButtonLayout(ksTiled);
    AreaSize(300, 300);
    // An empty group: a 32 x 32 picture cell, one line, nothing to scroll.
    const LayoutState& layout = bar.Layout();
    EXPECT_EQ(layout.maxPictureWidth, 32);
    EXPECT_EQ(layout.cellWidth, 2 * 32 + 4);
    EXPECT_EQ(layout.scrollMax, 0);
    const int32_t oneLine = layout.captionHeight;
    ASSERT_GT(oneLine, 2);
    EXPECT_EQ(layout.cellHeight, 32 + oneLine + 10);

    ActiveGroup()->GetButtons()->Add("a", Bitmap(20));
    EXPECT_EQ(layout.maxPictureWidth, 20);
    EXPECT_EQ(layout.cellWidth, 44);
    ActiveGroup()->GetButtons()->Add("a caption far wider than forty pixels", Bitmap(10));
    EXPECT_EQ(layout.captionHeight, 2 * oneLine);
    EXPECT_EQ(layout.cellHeight, 20 + 2 * oneLine + 10);
    bar.LetShowButtonInfo(ksPictureOnly);
    EXPECT_EQ(layout.cellWidth, 24);
    EXPECT_EQ(layout.cellHeight, 30);
}

TEST_F(LayoutTest, ARepaintMeasuresCaptionsAnewAfterChangesThatLayNothingOut) {
    using Group = ole::Ptr<CGroup>;
    const std::string wide = "wwwwwwwwwwww";
    const struct {
        const char* name;
        std::function<void(KSButtonBar&, const Group& first, const Group& other)> change;
        bool twoLines;
    } rows[] = {
        {"wide caption hidden",
         [&](KSButtonBar&, const Group& first, const Group&) {
             first->GetButtons()->Add(wide, Bitmap());
             first->GetButtons()->At(2)->LetVisible(false);
         },
         false},
        {"font grown through its object",
         [](KSButtonBar& bar, const Group&, const Group&) {
             bar.GetFont()->SetSize(ole::Currency::FromUnits(30));
         },
         true},
        // Measured last while shown, changed while another group showed without captions.
        {"caption of a group not shown",
         [&](KSButtonBar& bar, const Group& first, const Group& other) {
             bar.SetActiveGroup(other);
             bar.LetShowButtonInfo(ksPictureOnly);
             bar.SetActiveGroup(first);
             other->GetButtons()->At(1)->LetCaption(wide);
             bar.SetActiveGroup(other);
             bar.LetShowButtonInfo(ksPictureAndCaption);
         },
         true},
    };
    for (const auto& row : rows) {
        KSButtonBar& bar = HostBar();
        m_host->Show();
        bar.LetButtonLayout(ksTiled);
        const Group first = ActiveGroup();
        const Group other = bar.GetGroups()->Add("Other");
        other->GetButtons()->Add("ww", Bitmap());
        first->GetButtons()->Add("ww", Bitmap());
        ASSERT_EQ(bar.Layout().captionHeight, CaptionLine());
        row.change(bar, first, other);
        bar.Refresh();
        EXPECT_EQ(bar.Layout().captionHeight, (row.twoLines ? 2 : 1) * CaptionLine()) << row.name;
        Unload();
    }
}

TEST_F(LayoutTest, UserCellsAreNeverThinnerThanAPixel) {
    KSButtonBar& bar = HostBar();
    AddButtons(3);
    bar.LetButtonLayout(ksTiled);
    bar.LetButtonWidth(1);
    bar.LetButtonHeight(1);
    bar.LetButtonSize(ksUserSpecified);
    AreaSize(50, 50);
    EXPECT_EQ(Bounds(2), (win::RECT{1, 0, 2, 1}));
    bar.Refresh();
}

// The largest user cells, and pictures that only declare their size, lay out, scroll and paint:
// each cell follows the one before it and nothing runs out of memory.
TEST_F(LayoutTest, CellsLargerThanAnyScreenStayInRange) {
    KSButtonBar& bar = HostBar();
    m_host->Show();
    AddButtons(20);
    bar.LetButtonGradientType(ksGradientVertical);
    bar.LetButtonWidth(0x7FFFFFFF);
    bar.LetButtonHeight(0x7FFFFFFF);
    bar.LetButtonSize(ksUserSpecified);
    bar.Layout().firstVisibleLine = 3;
    bar.LayoutButtons();
    bar.Refresh();
    const int64_t cell = Bounds(1).bottom - Bounds(1).top;
    for (int32_t i = 2; i <= 20; ++i)
        EXPECT_EQ(Bounds(i).top, Bounds(1).top + (i - 1) * cell) << i;

    bar.LetButtonSize(ksAutoCalculated);
    bar.LetButtonLayout(ksTiled);
    ActiveGroup()->GetButtons()->At(1)->SetPicture(
        ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 0x7FFFFFFF, 0x7FFFFFFF));
    bar.Refresh();
    EXPECT_EQ(Bounds(1).right - Bounds(1).left, kMaxCellPixels);
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST_F(LayoutTest, TheKeyboardCellStartsOverWhenTheGridShrinks) {
    KSButtonBar& bar = HostBar();
    UserCells(40, 40);
    AddButtons(5);
    AreaSize(100, 300);
    bar.Layout().keyLine = 4;
    bar.LayoutButtons();
    EXPECT_EQ(bar.Layout().keyLine, 4);
    for (int i = 0; i < 3; ++i)
        ActiveGroup()->GetButtons()->Remove(Variant(5 - i));
    EXPECT_EQ(bar.Layout().keyLine, 0);
    EXPECT_EQ(bar.Layout().keyPosition, 0);
}

} // namespace
} // namespace shelfstrip::test

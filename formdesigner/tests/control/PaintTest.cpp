#include "DesignerFixture.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace layoutdesk::test {
namespace {

// Command1 at pixels (20, 20)-(100, 60); handles are 7 pixels (100 twips) deep, the grid 8.
class PaintTest : public OneButtonFixture {
protected:
    win::COLORREF At(int x, int y) {
        win::test::pump();
        return win::test::PixelOf(win::test::CaptureClient(Surface()), x, y);
    }
    static win::COLORREF Color(uint32_t oleColor) { return shared::TranslateColor(oleColor); }

    const win::COLORREF face = Color(0x8000000F);
    const win::COLORREF dots = Color(0x80000012);
    const win::COLORREF handleFill = Color(0x8000000D);
    const win::COLORREF handleBorder = Color(0x8000000E);
};

TEST_F(PaintTest, TheGridShowsInTheDesignModesAtItsPitch) {
    EXPECT_EQ(At(8, 8), face);
    Designer().LetMode(ksModeDraw);
    EXPECT_EQ(At(0, 0), dots);
    EXPECT_EQ(At(8, 8), dots);
    EXPECT_EQ(At(9, 8), face);
    Designer().LetGridSizeX(240);
    EXPECT_EQ(At(16, 8), dots);
    EXPECT_EQ(At(8, 8), face);
    Designer().LetShowGrid(false);
    EXPECT_EQ(At(16, 8), face);
    // A step under half a pixel leaves the grid out instead of looping.
    Designer().LetShowGrid(true);
    Designer().LetGridSizeX(1);
    EXPECT_EQ(At(16, 8), face);
}

// White and black dots both show, each at its pitch with the face between.
TEST_F(PaintTest, TheGridShowsInWhiteAndInBlack) {
    Designer().LetMode(ksModeDraw);
    for (const int32_t colour : {0x00FFFFFF, 0x00000000}) {
        Designer().LetForeColor(colour);
        EXPECT_EQ(At(8, 8), static_cast<win::COLORREF>(colour));
        EXPECT_EQ(At(160, 0), static_cast<win::COLORREF>(colour));
        EXPECT_EQ(At(9, 8), face);
        EXPECT_EQ(At(8, 9), face);
    }
}

TEST_F(PaintTest, HandlesShowTheSelectionAndLockedOnesExchangeTheirColours) {
    Designer().LetMode(ksModeSelect);
    Designer().LetShowGrid(false);
    Designer().SelectControl(ole::Variant(button));
    EXPECT_EQ(At(13, 13), handleBorder);
    EXPECT_EQ(At(15, 15), handleFill);
    EXPECT_EQ(At(59, 15), handleFill);
    Designer().LockControls(ksScopeThis, ole::Variant(button));
    EXPECT_EQ(At(13, 13), handleFill);
    EXPECT_EQ(At(15, 15), handleBorder);
    Designer().DeselectControl(ole::Variant(button));
    EXPECT_EQ(At(15, 15), face);
    EXPECT_EQ(At(13, 13), face);
}

// Ending a lock-all, by unlocking a selected control or locking another one, shows the selected
// control unlocked: its handles take their own colours again.
TEST_F(PaintTest, EndingALockAllRepaintsEverySelectedControlsHandles) {
    auto other = Add("VB.CommandButton", "Command2", {3000, 1500, 3600, 1800});
    Designer().LetMode(ksModeSelect);
    Designer().LetShowGrid(false);
    Designer().SelectControl(ole::Variant(button));
    for (const auto& end : std::vector<std::function<void()>>{
             [&] { Designer().UnlockControls(ksScopeThis, ole::Variant(button)); },
             [&] { Designer().LockControls(ksScopeThis, ole::Variant(other)); }}) {
        Designer().LockControls(ksScopeAll, ole::Variant());
        EXPECT_EQ(At(15, 15), handleBorder);
        end();
        EXPECT_EQ(At(15, 15), handleFill);
        Designer().UnlockControls(ksScopeAll, ole::Variant());
    }
}

// Handles made smaller leave nothing on the border of the picture box they reached over.
TEST_F(PaintTest, SmallerHandlesLeaveNothingOnAHostedWindowsBorder) {
    // Pixels (20, 20)-(120, 120), its client from (22, 22); Inner's right edge 6 pixels from the
    // box's, its middle handle over the box's right border at (118, 75).
    auto picture = Add("VB.PictureBox", "Picture1", {300, 300, 1800, 1800});
    auto inner = Add("VB.CommandButton", "Inner", {600, 600, 1380, 1005}, picture);
    Designer().LetMode(ksModeSelect);
    const win::COLORREF border = At(118, 75);
    Designer().SelectControl(ole::Variant(inner));
    EXPECT_EQ(At(118, 75), handleFill);
    Designer().LetHandleSizeX(15);
    EXPECT_EQ(At(118, 75), border);
}

// A hosted window that repaints itself whole for a change inside it (a control it holds, locked)
// gets the selection frame along its edge back.
TEST_F(PaintTest, AWindowRepaintedForAChangeInsideItKeepsItsSelectionFrame) {
    // Pixels (120, 20)-(240, 160).
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 3600, 2400});
    auto label = Add("VB.Label", "Label1", {150, 300, 900, 600}, frame);
    Designer().LetMode(ksModeSelect);
    Designer().SelectControl(ole::Variant(frame));
    EXPECT_EQ(At(150, 20), handleBorder);
    Designer().LockControls(ksScopeThis, ole::Variant(label));
    EXPECT_EQ(At(150, 20), handleBorder);
    EXPECT_EQ(At(120, 100), handleBorder);
}

TEST_F(PaintTest, ALineShowsAHandleOnEachEnd) {
    auto line = AddLine("Line1", {1500, 1500, 3000, 1500});
    Designer().LetMode(ksModeSelect);
    Designer().LetShowGrid(false);
    Designer().SelectControl(ole::Variant(line));
    EXPECT_EQ(At(98, 98), handleFill);
    EXPECT_EQ(At(198, 98), handleFill);
    EXPECT_EQ(At(150, 97), face);
}

// A paint that takes in only part of a big handle, far from its control, draws that part.
TEST_F(PaintTest, APaintOfAHandleAloneDrawsIt) {
    Designer().LetMode(ksModeSelect);
    Designer().LetShowGrid(false);
    Designer().LetHandleSizeX(300);
    Designer().LetHandleSizeY(300);
    Designer().SelectControl(ole::Variant(button));
    EXPECT_EQ(At(4, 4), handleFill);
    const win::RECT corner{2, 2, 6, 6};
    win::InvalidateRect(Surface(), &corner, win::TRUE);
    EXPECT_EQ(At(4, 4), handleFill);
}

// A paint draws grid and handles only where it paints: outside, windowless controls are not
// drawn again, and dots drawn there would stay on top of them.
TEST_F(PaintTest, DotsStayBeneathWindowlessControlsOutsideThePaint) {
    auto label = Add("VB.Label", "Label1", {1800, 1800, 3600, 2400});
    ole::LetProperty(ole::Variant(label), "BackColor", ole::Variant(int32_t{0x0000FF}));
    Designer().LetMode(ksModeSelect);
    EXPECT_EQ(At(128, 128), 0x0000FFU);
    Designer().SelectControl(ole::Variant(button));
    EXPECT_EQ(At(128, 128), 0x0000FFU);
    EXPECT_EQ(At(15, 15), handleFill);
}

// Sizes far beyond any screen draw pinned to the drawing range instead of overflowing: a huge
// handle covers the surface beside the control, and the grid of a surface much larger than its
// form walks only the part that shows.
TEST_F(PaintTest, HugeHandlesAndSurfacesStayInRange) {
    Designer().LetMode(ksModeSelect);
    Designer().LetHandleSizeX(1e30F);
    Designer().SelectControl(ole::Variant(button));
    EXPECT_EQ(At(5, 40), handleFill);
    EXPECT_EQ(At(150, 30), face);
    const ole::Variant designer{ole::Ptr<ole::Object>(DesignerExtender())};
    ole::LetProperty(designer, "Width", ole::Variant(1e9F));
    ole::LetProperty(designer, "Height", ole::Variant(1e9F));
    EXPECT_EQ(At(200, 160), dots);
}

// A host calling Refresh by name reaches the designer's own Refresh, which LockRefresh holds.
TEST_F(PaintTest, RefreshByNameIsTheDesignersOwn) {
    Designer().LetMode(ksModeSelect);
    const auto scribble = [&] {
        const win::WindowDc dc(Surface());
        const win::RECT spot{5, 5, 6, 6};
        win::FillRect(dc.Get(), &spot,
                      static_cast<win::HBRUSH>(win::GetStockObject(win::BLACK_BRUSH)));
    };
    const ole::Variant designer{ole::Ptr<ole::Object>(DesignerExtender())};
    scribble();
    Designer().LetLockRefresh(true);
    ole::CallMethod(designer, "Refresh");
    EXPECT_EQ(At(5, 5), 0U);
    Designer().LetLockRefresh(false);
    ole::CallMethod(designer, "Refresh");
    EXPECT_EQ(At(5, 5), face);
}

} // namespace
} // namespace layoutdesk::test

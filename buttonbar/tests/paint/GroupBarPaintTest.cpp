// The group bars and the caption bar on screen: bars above and below the active group with their
// edges, captions and mark, the close button, and captions fitted to their bar, turned or not.
// One test leaves a picture of a whole bar in the snapshot folder.

#include "buttonbar/tests/control/BarFixture.h"

#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace shelfstrip::test {
namespace {

constexpr win::COLORREF kPaper = 0x00FFFFFF;

class GroupBarPaintTest : public BarFixture {
protected:
    // Bars on white paper; the rest of the control as a new one has it.
    KSButtonBar& Show(int32_t groupFlow) {
        KSButtonBar& bar = HostBar(HostMode::User, {0, 0, 180, 240});
        int32_t paper = static_cast<int32_t>(kPaper);
        int32_t ink = 0;
        bar.LetGroupBackColor(paper);
        bar.LetGroupForeColor(ink);
        bar.LetGroupFlow(groupFlow);
        m_host->Show();
        return bar;
    }
    // The box of every pixel that is not paper inside `r`.
    static win::RECT Ink(const win::test::Snapshot& shot, const win::RECT& r) {
        win::RECT ink{r.right, r.bottom, r.left, r.top};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (win::test::PixelOf(shot, x, y) != kPaper) {
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
                }
        return ink;
    }
    static win::test::Snapshot Shot(forms::PictureBox* box) {
        box->Refresh();
        return win::test::CaptureClient(box->Window());
    }
};

TEST_F(GroupBarPaintTest, ABarOfThreeGroupsShowsBarsAboveAndBelowAndItsCaption) {
    KSButtonBar& bar = Show(ksVertical);
    bar.LetCaption("Shelf");
    bar.LetShowCaptionBar(true);
    const ole::Ptr<CGroups> groups = bar.GetGroups();
    const ole::Ptr<CGroup> tools = groups->Add("Tools", "", "tools");
    groups->Add("Shapes");
    AddButtons(20, tools);
    bar.SetActiveGroup(tools);
    bar.LetButtonLayout(ksTiled);
    win::test::pump();
    const std::string path = win::test::WriteSnapshot(win::test::CaptureClient(bar.hWnd()),
                                                      "ButtonBar_3_groups_20_buttons");
    EXPECT_TRUE(std::filesystem::exists(path));
    RecordProperty("snapshot", path);

    // Two bars above, one below, each raised and captioned in the middle.
    const win::test::Snapshot upper = Shot(bar.UpperGroupsBox());
    const win::test::Snapshot lower = Shot(bar.LowerGroupsBox());
    ASSERT_EQ(bar.UpperGroups()->Count(), 2);
    ASSERT_EQ(bar.LowerGroups()->Count(), 1);
    for (const auto& [shot, group] :
         {std::pair{&upper, groups->At(1)}, {&upper, tools}, {&lower, groups->At(3)}}) {
        const win::RECT r = group->Bounds();
        EXPECT_EQ(win::test::PixelOf(*shot, r.left, r.top),
                  win::GetSysColor(win::COLOR_3DHIGHLIGHT));
        EXPECT_EQ(win::test::PixelOf(*shot, r.right - 1, r.bottom - 1),
                  win::GetSysColor(win::COLOR_BTNSHADOW));
        const win::RECT ink = Ink(*shot, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
        EXPECT_LE(std::abs((ink.left - r.left) - (r.right - ink.right)), 2) << group->GetCaption();
    }
    // The close button's cross and the caption's inactive text colour.
    const win::test::Snapshot caption = Shot(bar.CaptionBar());
    const win::RECT close = bar.Layout().closeButton;
    EXPECT_EQ(
        win::test::PixelOf(caption, (close.left + close.right) / 2, (close.top + close.bottom) / 2),
        win::GetSysColor(win::COLOR_BTNTEXT));
    EXPECT_GT(win::test::CountPixels(caption, win::GetSysColor(win::COLOR_INACTIVECAPTIONTEXT)),
              10U);
}

TEST_F(GroupBarPaintTest, CaptionsAreCutToTheirBarWithAnEllipsis) {
    KSButtonBar& bar = Show(ksVertical);
    bar.LetGroupAppearance(ksFlat);
    ActiveGroup()->LetCaption("A caption far wider than any bar of this control");
    win::RECT r = ActiveGroup()->Bounds();
    win::RECT ink = Ink(Shot(bar.UpperGroupsBox()), r);
    EXPECT_GE(ink.left, r.left + 2);
    EXPECT_LE(ink.right, r.right - 2);

    // Turned upwards: a short caption whole and centred, a long one cut inside the bar.
    bar.LetGroupFlow(ksHorizontal);
    ActiveGroup()->LetCaption("Ab");
    r = ActiveGroup()->Bounds();
    ink = Ink(Shot(bar.UpperGroupsBox()), r);
    // Centred by its advance; the glyphs' side bearings shift the ink a little.
    EXPECT_LE(std::abs((ink.top - r.top) - (r.bottom - ink.bottom)), 3);
    ActiveGroup()->LetCaption(std::string(2000, 'W'));
    ink = Ink(Shot(bar.UpperGroupsBox()), r);
    EXPECT_GE(ink.top, r.top + 2);
    EXPECT_LE(ink.bottom, r.bottom - 2);
    // The most W's that, with "...", are narrower than the bar inside its 2-pixel margins.
    const win::WindowDc dc(bar.UpperGroupsBox()->Window());
    const win::SelectedObject font(dc.Get(),
                                   bar.ResourceMgr()->GetFont(*bar.GetFont(), "GROUPFONT", 900));
    win::SIZE w{};
    win::SIZE dots{};
    win::GetTextExtentPoint32A(dc.Get(), "W", 1, &w);
    win::GetTextExtentPoint32A(dc.Get(), "...", 3, &dots);
    const int32_t available = r.bottom - r.top - 4;
    const int32_t ws = std::max<int32_t>(1, (available - dots.cx - 1) / w.cx);
    EXPECT_LE(std::abs((ink.bottom - ink.top) - (ws * w.cx + dots.cx)), 3);
}

} // namespace
} // namespace shelfstrip::test

#include "SplitterFixture.h"

#include "platform/ole/error/Error.h"

namespace attrgrid::splittertest {
namespace {

// Twips throughout unless a test says otherwise: 15 per pixel, so the 4-pixel frame bar is 60
// and the minimum pane is 60.
constexpr float kBar = 60;

bool NothingFailed() {
    return ole::TakeReportedErrors().empty() && win::test::CaughtExceptions().empty();
}

TEST_F(SplitterTest, InitSplitsTheContainerAlongItsAxis) {
    Build(CSplitter::Vertical);
    EXPECT_EQ(m_splitter->GetSplitterbarSize(), kBar);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 6000 / 2 - kBar);
    EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 196, 300}));
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{200, 0, 400, 300}));
    EXPECT_EQ(m_container->MousePointer(), 9);
    EXPECT_GE(m_moves, 1);
}

TEST_F(SplitterTest, InitOfAHorizontalBarUsesTheHeight) {
    Build(CSplitter::Horizontal);
    EXPECT_EQ(m_splitter->GetOrientation(), CSplitter::Horizontal);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 4500 / 2 - kBar);
    EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 400, 146}));
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 150, 400, 300}));
    EXPECT_EQ(m_container->MousePointer(), 7);
}

TEST_F(SplitterTest, LocationIsClampedToTheMinimumPanes) {
    Build(CSplitter::Vertical);
    m_moves = 0;
    m_splitter->LetSplitterLocation(-100);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 60);
    EXPECT_EQ(Bounds(*m_pane1).right, 4);
    m_splitter->LetSplitterLocation(99999);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 6000 - kBar - 60);
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{396, 0, 400, 300}));
    EXPECT_EQ(m_moves, 2);

    // By member id, as a host would.
    ole::Variant args[] = {ole::Variant(1500.0f)};
    m_splitter->Invoke(m_splitter->GetIDsOfNames("SplitterLocation"), ole::DISPATCH_PROPERTYPUT,
                       args);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 1500);
    EXPECT_EQ(Bounds(*m_pane1).right, 100);
    EXPECT_EQ(m_moves, 3);
}

TEST_F(SplitterTest, BarSizeTakesEffectAtTheNextLayout) {
    Build(CSplitter::Vertical);
    m_splitter->LetSplitterbarSize(150);
    EXPECT_EQ(Bounds(*m_pane2).left, 200);
    m_splitter->LetSplitterLocation(1500);
    EXPECT_EQ(Bounds(*m_pane2).left, 110);
}

TEST_F(SplitterTest, LockedShowsTheDefaultPointer) {
    Build(CSplitter::Horizontal);
    m_splitter->LetLocked(true);
    EXPECT_EQ(m_container->MousePointer(), 0);
    m_splitter->LetLocked(false);
    EXPECT_EQ(m_container->MousePointer(), 7);
    m_splitter->LetOrientation(CSplitter::Vertical);
    EXPECT_EQ(m_container->MousePointer(), 9);
}

TEST_F(SplitterTest, HidePaneFillsTheContainerWithTheOtherPane) {
    Build(CSplitter::Horizontal);
    for (int32_t hide : {1, 3}) {
        m_splitter->LetHidePane(hide);
        EXPECT_FALSE(m_pane1->Visible()) << hide;
        EXPECT_TRUE(m_pane2->Visible()) << hide;
        EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 0, 400, 300})) << hide;
    }
    for (int32_t hide : {2, 4}) {
        m_splitter->LetHidePane(hide);
        EXPECT_FALSE(m_pane2->Visible()) << hide;
        EXPECT_TRUE(m_pane1->Visible()) << hide;
        EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 400, 300})) << hide;
    }
    m_splitter->LetHidePane(0);
    EXPECT_TRUE(m_pane1->Visible());
    EXPECT_TRUE(m_pane2->Visible());
    EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 400, 146}));
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 150, 400, 300}));
}

TEST_F(SplitterTest, SwitchingTheHiddenPaneShowsTheOther) {
    Build(CSplitter::Horizontal);
    m_splitter->LetHidePane(2);
    m_splitter->LetHidePane(1);
    EXPECT_FALSE(m_pane1->Visible());
    EXPECT_TRUE(m_pane2->Visible());
    EXPECT_TRUE(win::IsWindowVisible(m_pane2->Window()));
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 0, 400, 300}));
}

TEST_F(SplitterTest, ResizeKeepsTheProportion) {
    Build(CSplitter::Vertical, 400, 300, 3);
    EXPECT_EQ(m_splitter->GetSplitterbarSize(), 4);
    m_splitter->LetSplitterLocation(100);
    m_container->Move(150, ole::Variant(150.0f), ole::Variant(800.0f * 15),
                      ole::Variant(300.0f * 15));
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 200);
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{204, 0, 800, 300}));
    // Squeezed to (nearly) nothing, the bar is clamped; the proportion comes back afterwards.
    for (const float width : {10.0f, 0.0f, 800.0f}) {
        m_container->Move(150, ole::Variant(150.0f), ole::Variant(width * 15),
                          ole::Variant(300.0f * 15));
    }
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 200);
    EXPECT_TRUE(NothingFailed());
}

TEST_F(SplitterTest, ResizeAcrossTheHiddenPaneUsesTheContainer) {
    Build(CSplitter::Horizontal);
    m_splitter->LetSplitterLocation(3000);
    m_splitter->LetHidePane(4);
    // Width only: the split axis did not change.
    m_container->Move(150, ole::Variant(150.0f), ole::Variant(600.0f * 15),
                      ole::Variant(300.0f * 15));
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 3000);
    m_container->Move(150, ole::Variant(150.0f), ole::Variant(600.0f * 15),
                      ole::Variant(600.0f * 15));
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 6000);
    m_splitter->LetHidePane(0);
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 404, 600, 600}));
}

TEST_F(SplitterTest, ResizeFromNothingLaysOutWithoutError) {
    Build(CSplitter::Vertical, 0, 300);
    const float location = m_splitter->GetSplitterLocation();
    m_container->Move(150, ole::Variant(150.0f), ole::Variant(400.0f * 15),
                      ole::Variant(300.0f * 15));
    EXPECT_EQ(m_splitter->GetSplitterLocation(), location);
    EXPECT_EQ(Bounds(*m_pane2).right, 400);
    EXPECT_TRUE(NothingFailed());
}

TEST_F(SplitterTest, TinyContainerLaysOutWithoutError) {
    Build(CSplitter::Vertical, 6, 6);
    for (float location : {-5.0f, 0.0f, 45.0f, 500.0f}) {
        m_splitter->LetSplitterLocation(location);
        EXPECT_GE(m_splitter->GetSplitterLocation(), 0);
        EXPECT_GE(m_pane1->Width(), 0);
        EXPECT_GE(m_pane2->Width(), 0);
    }
    m_splitter->LetOrientation(CSplitter::Horizontal);
    EXPECT_TRUE(NothingFailed());
}

TEST_F(SplitterTest, OrientationCarriesTheLocationOverInProportion) {
    // 2700 x 2000 pixels: 40500 x 30000 twips, past the 16-bit range.
    Build(CSplitter::Vertical, 2700, 2000);
    m_splitter->LetSplitterLocation(36000);
    m_splitter->LetOrientation(CSplitter::Horizontal);
    // 36000 x 30000 / 40500 = 26666.67, truncated.
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 26666);
    m_splitter->LetOrientation(CSplitter::Vertical);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 35999);
    EXPECT_TRUE(NothingFailed());
}

TEST_F(SplitterTest, WithoutItsContainerOnlyTheLocationIsKept) {
    Build(CSplitter::Horizontal);
    m_form->Remove("picContainer");
    m_container = nullptr;
    m_pane1 = m_pane2 = nullptr;
    m_moves = 0;

    m_splitter->LetSplitterLocation(-500);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), -500);
    EXPECT_EQ(m_moves, 1);
    m_splitter->ContainerMouseDown(1, 0, 10, 10);
    EXPECT_FALSE(m_splitter->Dragging());
    m_splitter->ContainerMouseMove(1, 0, 20, 20);
    m_splitter->ContainerMouseUp(1, 0, 20, 20);
    m_splitter->ContainerResize();
    m_splitter->ContainerDblClick();
    m_splitter->LetHidePane(2);
    m_splitter->LetOrientation(CSplitter::Vertical);
    m_splitter->LetLocked(true);
    EXPECT_EQ(win::GetCapture(), win::HWND{});
    EXPECT_TRUE(NothingFailed());
}

TEST_F(SplitterTest, AGonePaneLeavesTheOtherLaidOut) {
    Build(CSplitter::Vertical);
    m_form->Remove("picSecond");
    m_pane2 = nullptr;
    m_moves = 0;
    m_splitter->LetSplitterLocation(1500);
    EXPECT_EQ(Bounds(*m_pane1).right, 100);
    m_splitter->LetHidePane(1);
    EXPECT_FALSE(m_pane1->Visible());
    EXPECT_EQ(m_moves, 2);
    EXPECT_TRUE(NothingFailed());
}

} // namespace
} // namespace attrgrid::splittertest

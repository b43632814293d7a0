#include "SplitterFixture.h"

#include "propertylist/control/splitter/GhostBar.h"

namespace attrgrid::splittertest {
namespace {

using win::test::MouseButton;

constexpr win::COLORREF Inverted(win::COLORREF color) {
    return color ^ 0xFFFFFF;
}

win::RECT ScreenRectOf(const forms::Control& control) {
    win::RECT client{};
    win::GetClientRect(control.Window(), &client);
    win::POINT origin{0, 0};
    win::ClientToScreen(control.Window(), &origin);
    win::OffsetRect(&client, origin.x, origin.y);
    return client;
}

win::RECT ClipCursorRect() {
    win::RECT clip{};
    win::GetClipCursor(&clip);
    return clip;
}

win::RECT DesktopRect() {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    return desktop;
}

// The vertical bar of a new 400 x 300 container spans client x 196..199; a press at x 198 hits
// the container between the panes.
constexpr int kBarX = 198;

TEST_F(SplitterTest, DragCapturesClipsAndMovesThePanesOnRelease) {
    Build(CSplitter::Vertical);
    m_moves = 0;
    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_TRUE(m_splitter->Dragging());
    EXPECT_EQ(win::GetCapture(), m_container->Window());
    EXPECT_EQ(ClipCursorRect(), ScreenRectOf(*m_container));

    win::test::mouseMove(OnContainer(kBarX + 100, 150));
    win::test::pump();
    // The panes wait for the release.
    EXPECT_EQ(Bounds(*m_pane1).right, 196);
    EXPECT_EQ(m_moves, 0);

    win::test::mouseUp(MouseButton::Left, OnContainer(kBarX + 100, 150));
    win::test::pump();
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(win::GetCapture(), win::HWND{});
    EXPECT_EQ(ClipCursorRect(), DesktopRect());
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 2940 + 100 * 15);
    EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 296, 300}));
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{300, 0, 400, 300}));
    EXPECT_EQ(m_moves, 1);
}

TEST_F(SplitterTest, DragPastEitherEdgeLeavesTheMinimumPane) {
    Build(CSplitter::Vertical);
    const win::POINT farAway = OnContainer(900, 150);
    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    win::test::mouseMove(farAway);
    win::test::pump();
    // The cursor stays on the container.
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    EXPECT_LT(cursor.x, ScreenRectOf(*m_container).right);
    win::test::mouseUp(MouseButton::Left, farAway);
    win::test::pump();
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{396, 0, 400, 300}));

    const win::POINT before = OnContainer(-300, 150);
    // The bar now spans x 392..395.
    win::test::mouseDown(MouseButton::Left, OnContainer(394, 150));
    win::test::pump();
    win::test::mouseMove(before);
    win::test::mouseUp(MouseButton::Left, before);
    win::test::pump();
    EXPECT_EQ(Bounds(*m_pane1), (win::RECT{0, 0, 4, 300}));
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 60);
}

TEST_F(SplitterTest, HorizontalDragPastTheBottomLeavesFourPixels) {
    Build(CSplitter::Horizontal);
    const win::POINT below = OnContainer(200, 700);
    win::test::mouseDown(MouseButton::Left, OnContainer(200, 148));
    win::test::pump();
    win::test::mouseMove(below);
    win::test::mouseUp(MouseButton::Left, below);
    win::test::pump();
    EXPECT_EQ(Bounds(*m_pane2), (win::RECT{0, 296, 400, 300}));
}

TEST_F(SplitterTest, LockedIgnoresThePress) {
    Build(CSplitter::Vertical);
    m_splitter->LetLocked(true);
    const win::COLORREF bar =
        win::test::ScreenPixel(OnContainer(197, 150).x, OnContainer(197, 150).y);
    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(win::test::ScreenPixel(OnContainer(197, 150).x, OnContainer(197, 150).y), bar);
    win::test::mouseMove(OnContainer(kBarX + 50, 150));
    win::test::mouseUp(MouseButton::Left, OnContainer(kBarX + 50, 150));
    win::test::pump();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 2940);
    EXPECT_EQ(ClipCursorRect(), DesktopRect());
}

TEST_F(SplitterTest, GhostBarFollowsTheDragAndErasesItself) {
    Build(CSplitter::Vertical);
    auto pixel = [&](int x) {
        const win::POINT pt = OnContainer(x, 150);
        return win::test::ScreenPixel(pt.x, pt.y);
    };
    const win::COLORREF atBar = pixel(197);
    const win::COLORREF outline = pixel(196);
    const win::COLORREF atTarget = pixel(247);

    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_EQ(pixel(197), Inverted(atBar));
    EXPECT_EQ(pixel(196), outline);

    win::test::mouseMove(OnContainer(kBarX + 50, 150));
    win::test::pump();
    EXPECT_EQ(pixel(197), atBar);
    EXPECT_EQ(pixel(247), Inverted(atTarget));

    win::test::mouseUp(MouseButton::Left, OnContainer(kBarX + 50, 150));
    win::test::pump();
    // The panes moved and repainted; no inverted pixel is left at the old bar.
    EXPECT_NE(pixel(197), Inverted(atBar));
}

TEST_F(SplitterTest, GhostBarDrawnTwiceRestoresTheScreen) {
    Build(CSplitter::Horizontal);
    const win::RECT area = ScreenRectOf(*m_container);
    auto column = [&](int x) {
        std::vector<win::COLORREF> pixels;
        for (int y = area.top; y < area.top + 40; ++y)
            pixels.push_back(win::test::ScreenPixel(x, y));
        return pixels;
    };
    const int x = area.left + 50;
    const auto before = column(x);
    DrawGhostBar(m_container->Window(), GhostBarAxis::Horizontal, 20);
    const auto shown = column(x);
    // Outline rows keep their pixels, the two inside rows invert.
    EXPECT_EQ(shown[20], before[20]);
    EXPECT_EQ(shown[21], Inverted(before[21]));
    EXPECT_EQ(shown[22], Inverted(before[22]));
    EXPECT_EQ(shown[23], before[23]);
    EXPECT_EQ(shown[19], before[19]);
    EXPECT_EQ(shown[24], before[24]);
    DrawGhostBar(m_container->Window(), GhostBarAxis::Horizontal, 20);
    EXPECT_EQ(column(x), before);
}

TEST_F(SplitterTest, DoubleClickSwapsAHorizontalBarBetweenItsLastTwoPlaces) {
    Build(CSplitter::Horizontal);
    const float first = m_splitter->GetSplitterLocation();
    win::test::drag(OnContainer(200, 148), OnContainer(200, 198));
    win::test::pump();
    const float second = m_splitter->GetSplitterLocation();
    EXPECT_EQ(second, first + 50 * 15);

    win::test::advanceTime(2000);
    win::test::doubleClick(OnContainer(200, 198));
    win::test::pump();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), first);
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(win::GetCapture(), win::HWND{});

    win::test::advanceTime(2000);
    win::test::doubleClick(OnContainer(200, 148));
    win::test::pump();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), second);
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(m_dblClicks, 0);

    m_splitter->LetLocked(true);
    m_splitter->ContainerDblClick();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), second);
}

TEST_F(SplitterTest, DoubleClickOnAVerticalBarRaisesTheEvent) {
    Build(CSplitter::Vertical);
    win::test::doubleClick(OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_EQ(m_dblClicks, 1);
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 2940);
    EXPECT_FALSE(m_splitter->Dragging());
}

TEST_F(SplitterTest, LostCaptureEndsTheDragWhereItWas) {
    Build(CSplitter::Vertical);
    auto pixel = [&](int x) {
        const win::POINT pt = OnContainer(x, 150);
        return win::test::ScreenPixel(pt.x, pt.y);
    };
    const win::COLORREF atBar = pixel(197);
    const win::COLORREF atTarget = pixel(227);
    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::mouseMove(OnContainer(kBarX + 30, 150));
    win::test::pump();
    ASSERT_EQ(pixel(227), Inverted(atTarget));

    win::ReleaseCapture();
    m_moves = 0;
    win::test::mouseMove(OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(pixel(227), atTarget);
    EXPECT_EQ(pixel(197), atBar);
    EXPECT_EQ(ClipCursorRect(), DesktopRect());

    win::test::mouseUp(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 2940);
    EXPECT_EQ(m_moves, 0);

    // A move reporting no button while dragging ends the drag the same way.
    win::test::advanceTime(2000);
    win::test::mouseDown(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    ASSERT_TRUE(m_splitter->Dragging());
    m_splitter->ContainerMouseMove(0, 0, 4000, 150);
    EXPECT_FALSE(m_splitter->Dragging());
    EXPECT_EQ(pixel(197), atBar);
    EXPECT_EQ(win::GetCapture(), win::HWND{});
    win::test::mouseUp(MouseButton::Left, OnContainer(kBarX, 150));
    win::test::pump();
    EXPECT_EQ(m_splitter->GetSplitterLocation(), 2940);
}

} // namespace
} // namespace attrgrid::splittertest

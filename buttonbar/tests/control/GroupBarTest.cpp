// The caption bar and the group-bar boxes under injected mouse and keys: the close button, bars
// activated by click and Enter, the mark moved by hovering and by the arrows, and the caption
// colours that follow the focus.

#include "InputFixture.h"

#include "platform/ole/error/UnhandledError.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

using B = KSButtonBar;
using win::test::MouseButton;

class GroupBarTest : public InputFixture {
protected:
    // Groups G1 to G4 after the first, G3 hidden, `active` made active.
    void FourGroups(int32_t active) {
        const ole::Ptr<CGroups> groups = Bar().GetGroups();
        for (const char* caption : {"G2", "G3", "G4"})
            groups->Add(caption);
        groups->At(3)->LetVisible(false);
        Bar().SetActiveGroup(groups->At(active));
        win::test::pump();
        m_mouse.clear();
    }
    ole::Ptr<CGroup> Group(int32_t position) { return Bar().GetGroups()->At(position); }
};

TEST_F(GroupBarTest, TheCloseButtonClicksOnlyWhenPressAndReleaseAreOnIt) {
    KSButtonBar& bar = ShowBar();
    bar.LetCaption("Tools");
    bar.LetShowCaptionBar(true);
    win::test::pump();
    const win::HWND caption = bar.CaptionBar()->Window();
    const win::POINT close = Centre(bar.Layout().closeButton);
    Events();
    // Any button arms it; the release over it clicks, then reports the hit.
    Click(caption, close, MouseButton::Right);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"MouseMove", "MouseDown", "CloseButtonClick", "MouseUp"}));
    EXPECT_EQ(TakeMouse().hit, ksHitType::ksCloseButtonHit);

    win::test::drag(caption, close, {5, close.y});
    win::test::pump();
    EXPECT_EQ(TakeMouse().hit, ksHitType::ksCaptionHit);
    const std::vector<std::string> dragged = Events();
    EXPECT_EQ(std::count(dragged.begin(), dragged.end(), "CloseButtonClick"), 0);

    bar.LetShowCloseButton(false);
    Click(caption, close);
    for (const Mouse& mouse : m_mouse)
        EXPECT_EQ(mouse.hit, ksHitType::ksCaptionHit);
}

TEST_F(GroupBarTest, ACloseButtonHandlerMayUnloadTheForm) {
    KSButtonBar& bar = ShowBar();
    bar.LetShowCaptionBar(true);
    win::test::pump();
    ole::Ptr<ole::EventSink> host = ole::EventSink::Create();
    host->On(KSButtonBar::EvCloseButtonClick,
             [this](std::span<ole::Variant>) { m_host->Unload(); });
    const uint32_t cookie = ole::ConnectEvents(m_bar, host);
    Click(bar.CaptionBar()->Window(), Centre(bar.Layout().closeButton));
    EXPECT_FALSE(win::IsWindow(bar.hWnd()));
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
    ole::DisconnectEvents(m_bar, cookie);
}

TEST_F(GroupBarTest, APressReportsTheBarOfItsOwnBoxAndAClickActivatesIt) {
    KSButtonBar& bar = ShowBar();
    FourGroups(1);
    // G2's bar in the lower box lies where G1's lies in the upper one.
    const win::RECT g2 = Group(2)->Bounds();
    ASSERT_EQ(g2, Group(1)->Bounds());
    Click(Lower(), Centre(g2));
    ASSERT_GE(m_mouse.size(), 2U);
    EXPECT_EQ(m_mouse[m_mouse.size() - 2].id, B::EvMouseDown);
    EXPECT_EQ(m_mouse[m_mouse.size() - 2].item, Group(2));
    EXPECT_EQ(m_mouse.back().hit, ksHitType::ksGroupHit);
    EXPECT_EQ(bar.GetActiveGroup(), Group(2));
}

TEST_F(GroupBarTest, TheMarkSkipsHiddenGroupsWrapsAndCrossesBoxes) {
    KSButtonBar& bar = ShowBar();
    FourGroups(2);
    // Hovering G4, the first lower bar, marks it; the arrows go on from there.
    Move(Lower(), Centre(Group(4)->Bounds()));
    EXPECT_EQ(bar.FocusGroup(), Group(4));
    EXPECT_EQ(TakeMouse().item, Group(4));
    bar.LowerGroupsBox()->SetFocus();
    struct Step {
        int key;
        int32_t marked;
        bool upperFocus;
    };
    const Step steps[] = {{win::VK_UP, 2, true},
                          {win::VK_DOWN, 4, false},
                          {win::VK_RIGHT, 1, true},
                          {win::VK_LEFT, 4, false},
                          {win::VK_SPACE, 4, false}};
    for (const Step& step : steps) {
        Key(step.key);
        EXPECT_EQ(bar.FocusGroup(), Group(step.marked)) << step.key;
        EXPECT_EQ(win::GetFocus(), step.upperFocus ? Upper() : Lower()) << step.key;
    }
    Key(win::VK_RETURN);
    EXPECT_EQ(bar.GetActiveGroup(), Group(4));
    // Activation drops the mark; Enter then does nothing.
    EXPECT_EQ(bar.FocusGroup(), nullptr);
    Key(win::VK_RETURN);
    EXPECT_EQ(bar.GetActiveGroup(), Group(4));
}

// The arrows go on from where the marked group stands now, after groups before it left or it
// moved.
TEST_F(GroupBarTest, TheArrowsFollowTheMarkedGroupToItsNewPlace) {
    for (const bool removed : {true, false}) {
        KSButtonBar& bar = ShowBar();
        FourGroups(1);
        bar.GetGroups()->Add("G5");
        const ole::Ptr<CGroup> g4 = Group(4);
        bar.LowerGroupsBox()->SetFocus();
        Key(win::VK_DOWN);
        Key(win::VK_DOWN);
        ASSERT_EQ(bar.FocusGroup(), g4);
        // G4 third of General, G3 (hidden), G4, G5; or first of G4, General, G2, G3 (hidden), G5.
        if (removed)
            bar.GetGroups()->Remove(ole::Variant(2));
        else
            bar.GetGroups()->SetNewIndex(g4, 1);
        Key(removed ? win::VK_UP : win::VK_DOWN);
        EXPECT_EQ(bar.FocusGroup()->GetCaption(), "General") << removed;
        Unload();
    }
}

// The mark shows on its bar exactly while the bar holds it, whatever else of its box repaints.
TEST_F(GroupBarTest, TheMarkSurvivesARepaintOfAnotherBarOfItsBox) {
    KSButtonBar& bar = ShowBar();
    FourGroups(4);
    const win::RECT marked = Group(2)->Bounds();
    const auto barPixels = [&] {
        const win::test::Snapshot shot = win::test::CaptureClient(Upper());
        std::vector<win::COLORREF> pixels;
        for (int32_t y = marked.top; y < marked.bottom; ++y)
            for (int32_t x = marked.left; x < marked.right; ++x)
                pixels.push_back(win::test::PixelOf(shot, x, y));
        return pixels;
    };
    const std::vector<win::COLORREF> plain = barPixels();
    bar.UpperGroupsBox()->SetFocus();
    Key(win::VK_DOWN);
    ASSERT_EQ(bar.FocusGroup(), Group(2));
    const std::vector<win::COLORREF> withMark = barPixels();
    EXPECT_TRUE(withMark != plain);
    Group(1)->LetCaption("First");
    win::test::pump();
    EXPECT_TRUE(barPixels() == withMark);
    bar.UpperGroupsBox()->Refresh();
    EXPECT_TRUE(barPixels() == withMark);
}

TEST_F(GroupBarTest, AStaleMarkIsDroppedAndActivatesNothing) {
    KSButtonBar& bar = ShowBar();
    FourGroups(1);
    bar.LowerGroupsBox()->SetFocus();
    // Marked, then removed (G2) or hidden (G4): Enter changes nothing and raises nothing.
    for (const int32_t position : {2, 3}) {
        Move(Lower(), Centre(Group(position)->Bounds()));
        ASSERT_EQ(bar.FocusGroup(), Group(position));
        if (position == 2)
            bar.GetGroups()->Remove(ole::Variant(2));
        else
            Group(position)->LetVisible(false);
        Key(win::VK_RETURN);
        EXPECT_EQ(bar.GetActiveGroup(), Group(1));
        EXPECT_EQ(bar.FocusGroup(), nullptr);
    }
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST_F(GroupBarTest, LeavingACapturedBoxClearsTheMarkAndTheGapsRaiseNothing) {
    KSButtonBar& bar = ShowBar();
    FourGroups(1);
    const win::RECT g2 = Group(2)->Bounds();
    Move(Lower(), Centre(g2));
    ASSERT_EQ(win::GetCapture(), Lower());
    m_mouse.clear();
    // The line between two bars belongs to neither.
    Move(Lower(), {Centre(g2).x, g2.bottom});
    EXPECT_TRUE(m_mouse.empty());
    EXPECT_EQ(bar.FocusGroup(), Group(2));
    Move(Area(), {20, 20});
    EXPECT_EQ(bar.FocusGroup(), nullptr);
    EXPECT_NE(win::GetCapture(), Lower());
}

TEST_F(GroupBarTest, TheCaptionBarTakesTheActiveColourWhileTheBarHasTheFocus) {
    KSButtonBar& bar = ShowBar();
    EXPECT_EQ(bar.CaptionBar()->BackColor(), static_cast<int32_t>(0x80000002U));
    const ole::Ptr<forms::Extender> other =
        m_host->Host(KSButtonBar::kProgId, "Bar2", {200, 0, 300, 100});
    other->SetFocus();
    win::test::pump();
    EXPECT_EQ(bar.CaptionBar()->BackColor(), static_cast<int32_t>(0x80000003U));
}

} // namespace
} // namespace shelfstrip::test

// The button area under injected mouse and keys: hot tracking, selection, the scroll strips,
// keyboard moves through the grid, and grids that shrank under the keyboard cell.

#include "InputFixture.h"

#include "platform/ole/error/UnhandledError.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

#include <functional>

namespace shelfstrip::test {
namespace {

using B = KSButtonBar;
using ButtonInputTest = InputFixture;

TEST_F(ButtonInputTest, HoverPressAndReleaseSelectTheButtonUnderThePointer) {
    KSButtonBar& bar = ShowBar();
    AddButtons(3);
    Button(2)->LetTooltipText("Second");
    Events();
    const win::RECT second = Button(2)->Bounds();
    Move(Area(), Centre(second));
    EXPECT_EQ(bar.HighlightedButton(), Button(2));
    EXPECT_EQ(bar.ToolTip()->Text(static_cast<win::UINT_PTR>(Area().Value())), "Second");
    Mouse move = TakeMouse();
    EXPECT_EQ(move.hit, ksHitType::ksButtonHit);
    EXPECT_EQ(move.item, Button(2));
    // Reported in the control's units: the area's place plus the point, in twips.
    const win::RECT area = bar.ButtonsBox()->PixelBounds();
    EXPECT_EQ(move.x, static_cast<float>((area.left + Centre(second).x) * 15));
    EXPECT_EQ(move.y, static_cast<float>((area.top + Centre(second).y) * 15));
    EXPECT_EQ(Events(), (std::vector<std::string>{"ButtonHighlightChanged", "MouseMove"}));

    Click(Area(), Centre(second));
    EXPECT_EQ(bar.GetSelectedButton(), Button(2));
    ASSERT_EQ(m_mouse.size(), 2U);
    EXPECT_EQ(m_mouse[0].id, B::EvMouseDown);
    EXPECT_EQ(m_mouse[0].item, Button(2));
    EXPECT_EQ(m_mouse[1].id, B::EvMouseUp);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"MouseDown", "MouseUp", "ButtonSelectionChanged"}));

    // The edge between two buttons belongs to neither; a pixel down is in the lower one.
    const win::RECT third = Button(3)->Bounds();
    Move(Area(), {Centre(third).x, third.top});
    EXPECT_EQ(TakeMouse().hit, ksHitType::ksUnknownHit);
    EXPECT_EQ(bar.HighlightedButton(), Button(2));
    Move(Area(), {Centre(third).x, third.top + 1});
    EXPECT_EQ(TakeMouse().item, Button(3));

    // Leaving the captured area drops the highlight; a click on empty space the selection.
    Events();
    Move(bar.LowerGroupsBox()->Window(), {5, 5});
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"ButtonHighlightChanged", "MouseMove"}));
    Click(Area(), {5, Button(3)->Bounds().bottom + 5});
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"MouseMove", "MouseDown", "MouseUp"}));
}

TEST_F(ButtonInputTest, WithoutTheFocusLeavingKeepsTheHighlightAndHiddenButtonsAreNeverHit) {
    KSButtonBar& bar = ShowBar();
    AddButtons(3);
    const ole::Ptr<forms::Extender> other =
        m_host->Host(KSButtonBar::kProgId, "Bar2", {200, 0, 300, 100});
    other->SetFocus();
    Move(Area(), Centre(Button(1)->Bounds()));
    EXPECT_NE(win::GetCapture(), Area());
    Move(Lower(), {5, 5});
    EXPECT_EQ(bar.HighlightedButton(), Button(1));
    // A button hidden at run time keeps its old place, where the pointer finds nothing.
    Button(3)->LetVisible(false);
    Move(Area(), Centre(Button(3)->Bounds()));
    EXPECT_EQ(TakeMouse().hit, ksHitType::ksUnknownHit);
    EXPECT_EQ(bar.HighlightedButton(), Button(1));
}

// A capture another window took meanwhile is not the bar's: once it is gone the next move
// captures again, so leaving is seen, and a late button-up in the area leaves it alone.
TEST_F(ButtonInputTest, ACaptureTakenElsewhereIsNeitherKeptNorReleasedAsTheBars) {
    KSButtonBar& bar = ShowBar();
    AddButtons(2);
    const win::HWND form = m_host->GetForm().Window();
    Move(Area(), Centre(Button(1)->Bounds()));
    ASSERT_EQ(win::GetCapture(), Area());
    win::SetCapture(form);
    win::ReleaseCapture();
    Move(Area(), Centre(Button(2)->Bounds()));
    EXPECT_EQ(win::GetCapture(), Area());
    Move(Lower(), {5, 5});
    EXPECT_EQ(bar.HighlightedButton(), nullptr);

    Move(Area(), Centre(Button(1)->Bounds()));
    win::SetCapture(form);
    win::SendMessageA(Area(), win::WM_LBUTTONUP, 0, win::MAKELPARAM(5, 5));
    EXPECT_EQ(win::GetCapture(), form);
    win::ReleaseCapture();
}

TEST_F(ButtonInputTest, TheStripsScrollOneStepOnlyWhereTheyCan) {
    KSButtonBar& bar = ShowBar();
    AddButtons(12);
    ASSERT_GT(bar.Layout().scrollMax, 1);
    const win::RECT up = bar.Layout().upLeftArrow;
    const win::RECT down = bar.Layout().downRightArrow;
    Move(Area(), Centre(up));
    EXPECT_EQ(TakeMouse().hit, ksHitType::ksTLScrollButtonHit);
    EXPECT_TRUE(bar.ArrowPressed());
    EXPECT_TRUE(bar.FirstArrowPressed());
    // The strip under the pointer is drawn raised, the other flat.
    const win::test::Snapshot shot = win::test::CaptureClient(Area());
    EXPECT_EQ(win::test::PixelOf(shot, up.left, up.top), win::GetSysColor(win::COLOR_3DLIGHT));
    EXPECT_EQ(win::test::PixelOf(shot, down.left, down.top),
              win::test::PixelOf(shot, down.left + 1, down.top + 1));
    Click(Area(), Centre(up));
    EXPECT_EQ(m_mouse.front().hit, ksHitType::ksUnknownHit);
    EXPECT_EQ(bar.Layout().firstVisibleLine, 0);

    const int32_t top = Button(1)->Bounds().top;
    m_mouse.clear();
    Click(Area(), Centre(down));
    EXPECT_EQ(m_mouse.front().hit, ksHitType::ksBRScrollButtonHit);
    EXPECT_EQ(bar.Layout().firstVisibleLine, 1);
    EXPECT_EQ(Button(1)->Bounds().top, top - bar.Layout().cellHeight);
    Click(Area(), Centre(up));
    EXPECT_EQ(Button(1)->Bounds().top, top);
}

// Without the focus the area keeps the capture a press takes, so a release beside the area
// still reaches it: there it is on no button, not even one scrolled out of sight, and it selects
// nothing.
TEST_F(ButtonInputTest, AReleaseBesideTheAreaHitsAndSelectsNothing) {
    KSButtonBar& bar = ShowBar();
    AddButtons(12);
    Click(Area(), Centre(bar.Layout().downRightArrow));
    bar.SetSelectedButton(Button(4));
    const ole::Ptr<forms::Extender> other =
        m_host->Host(KSButtonBar::kProgId, "Bar2", {200, 0, 300, 100});
    // Above the area, where the first button lies scrolled out, and left of it.
    const win::RECT first = Button(1)->Bounds();
    ASSERT_LT(first.top, -1);
    for (const win::POINT beside : {win::POINT{Centre(first).x, -1}, win::POINT{-1, 40}}) {
        // The press gives the area the focus; the second is no double click.
        other->SetFocus();
        win::test::advanceTime(1000);
        win::test::mouseDown(win::test::MouseButton::Left, Area(), {20, 40});
        Move(Area(), beside);
        m_mouse.clear();
        win::test::mouseUp(win::test::MouseButton::Left, Area(), beside);
        win::test::pump();
        const Mouse up = TakeMouse();
        EXPECT_EQ(up.id, KSButtonBar::EvMouseUp);
        EXPECT_EQ(up.hit, ksHitType::ksUnknownHit);
        EXPECT_EQ(up.item, nullptr);
        EXPECT_EQ(bar.GetSelectedButton(), Button(4));
    }
}

TEST_F(ButtonInputTest, KeysWalkTheGridWrappingPastEmptyCells) {
    KSButtonBar& bar = ShowBar();
    bar.LetButtonLayout(ksTiled);
    bar.LetButtonWidth(80 * 15);
    bar.LetButtonHeight(30 * 15);
    bar.LetButtonSize(ksUserSpecified);
    AddButtons(5);
    ASSERT_EQ(bar.Layout().buttonsPerLine, 2);
    struct Step {
        int key;
        int32_t line, position;
    };
    // From (0, 0): 5 buttons on 3 lines, the last cell (2, 1) empty.
    const Step steps[] = {
        {win::VK_LEFT, 2, 0}, {win::VK_RIGHT, 0, 0}, {win::VK_DOWN, 1, 0},  {win::VK_RIGHT, 1, 1},
        {win::VK_DOWN, 0, 0}, {win::VK_UP, 1, 1},    {win::VK_SPACE, 1, 1},
    };
    for (const Step& step : steps) {
        Key(step.key);
        EXPECT_EQ(bar.Layout().keyLine, step.line) << step.key;
        EXPECT_EQ(bar.Layout().keyPosition, step.position) << step.key;
        const auto& cell = bar.Layout().buttonGrid[static_cast<size_t>(step.line)];
        EXPECT_EQ(bar.HighlightedButton(), Button(cell[static_cast<size_t>(step.position)]));
    }
    Key(win::VK_RETURN);
    EXPECT_EQ(bar.GetSelectedButton(), Button(4));

    // Across the flow the keys turn: from (0, 0) Left walks up the lines, Down along one.
    bar.LetButtonFlow(ksHorizontal);
    win::RECT area{};
    win::GetClientRect(Area(), &area);
    bar.LetButtonHeight(area.bottom / 2 * 15);
    ASSERT_EQ(bar.Layout().buttonsPerLine, 2);
    ASSERT_EQ(bar.Layout().keyLine, 0);
    ASSERT_EQ(bar.Layout().keyPosition, 0);
    Key(win::VK_LEFT);
    EXPECT_EQ(bar.HighlightedButton(), Button(4));
    Key(win::VK_DOWN);
    EXPECT_EQ(bar.HighlightedButton(), Button(5));
}

TEST_F(ButtonInputTest, AGridOlderThanItsButtonsNeverHangsOrReachesAHiddenButton) {
    KSButtonBar& bar = ShowBar();
    bar.LetButtonLayout(ksTiled);
    bar.LetButtonWidth(80 * 15);
    bar.LetButtonSize(ksUserSpecified);
    AddButtons(4);
    Button(3)->LetVisible(false);
    Button(4)->LetVisible(false);
    m_extender->Move(0, ole::Variant(0), ole::Variant(3000), ole::Variant(3000));
    win::test::pump();
    ASSERT_EQ(bar.Layout().GridLines(), 1);
    Button(3)->LetVisible(true);
    Button(4)->LetVisible(true);
    Button(1)->LetVisible(false);
    for (const int key : {win::VK_DOWN, win::VK_RIGHT, win::VK_DOWN, win::VK_RIGHT, win::VK_LEFT}) {
        Key(key);
        EXPECT_EQ(bar.HighlightedButton(), Button(2)) << key;
    }
    // A highlighted button that is removed cannot be selected by Enter.
    ActiveGroup()->GetButtons()->Remove(ole::Variant(2));
    Key(win::VK_RETURN);
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST_F(ButtonInputTest, EnterSelectsOnlyAHighlightedButtonTheAreaShows) {
    KSButtonBar& bar = ShowBar();
    const ole::Ptr<CGroup> first = ActiveGroup();
    const ole::Ptr<CGroup> second = bar.GetGroups()->Add("Second");
    AddButtons(2);
    const struct {
        const char* name;
        std::function<void()> away;
    } rows[] = {
        {"hidden", [&] { Button(2)->LetVisible(false); }},
        {"other group", [&] { bar.SetActiveGroup(second); }},
    };
    for (const auto& row : rows) {
        const ole::Ptr<CButton> button = first->GetButtons()->At(2);
        button->LetVisible(true);
        bar.SetActiveGroup(first);
        bar.ButtonsBox()->SetFocus();
        Move(Area(), Centre(button->Bounds()));
        ASSERT_EQ(bar.HighlightedButton(), button) << row.name;
        row.away();
        Events();
        Key(win::VK_RETURN);
        EXPECT_EQ(bar.GetSelectedButton(), nullptr) << row.name;
        EXPECT_EQ(Events(), std::vector<std::string>{}) << row.name;
    }
    EXPECT_EQ(ActiveGroup(), second);
}

TEST_F(ButtonInputTest, WithoutAnActiveGroupTheAreaHasNoButtons) {
    KSButtonBar& bar = Load({{"GroupCount", ole::Variant(1)}});
    m_host->Show();
    bar.ButtonsBox()->SetFocus();
    ASSERT_EQ(ActiveGroup(), nullptr);
    Key(win::VK_DOWN);
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
    sink->On(B::EvMouseDown, [this](std::span<ole::Variant> args) {
        m_mouse.push_back({B::EvMouseDown, ole::CLng(args[4]), nullptr, 0, 0});
    });
    m_cookie = ole::ConnectEvents(m_bar, sink);
    Click(Area(), {10, 10});
    EXPECT_EQ(m_mouse.at(0).hit, ksHitType::ksUnknownHit);
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

TEST_F(ButtonInputTest, AKeyScrollsTheHighlightIntoViewByWholeSteps) {
    KSButtonBar& bar = ShowBar();
    AddButtons(12);
    const int32_t ch = bar.Layout().cellHeight;
    const int32_t areaBottom = bar.Layout().downRightArrow.bottom;
    int32_t position = 1;
    // Down until a button reaches below the area's bottom; one only under the strip stays.
    while (Button(position + 1)->Bounds().bottom <= areaBottom) {
        Key(win::VK_DOWN);
        ++position;
        EXPECT_EQ(bar.Layout().firstVisibleLine, 0);
    }
    Key(win::VK_DOWN);
    const win::RECT shown = Button(position + 1)->Bounds();
    EXPECT_GE(bar.Layout().firstVisibleLine, 1);
    EXPECT_LE(shown.bottom, areaBottom);
    EXPECT_GT(shown.bottom + ch, areaBottom);
}

} // namespace
} // namespace shelfstrip::test

// The bar's answers to model changes: which group becomes active when one is hidden or removed,
// that one group always shows, bars placed anew after a reorder, and nothing kept of what left.

#include "InputFixture.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "testsupport/ErrorOf.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

namespace shelfstrip::test {
namespace {

using testsupport::ErrorTextOf;

class ListenerTest : public InputFixture {
protected:
    // Groups A (the first), B and C.
    ole::Ptr<CGroups> ThreeGroups() {
        const ole::Ptr<CGroups> groups = Bar().GetGroups();
        groups->At(1)->LetCaption("A");
        groups->Add("B");
        groups->Add("C");
        return groups;
    }
};

TEST_F(ListenerTest, HidingTheActiveGroupActivatesTheNearestShownOne) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroups> groups = ThreeGroups();
    bar.SetActiveGroup(groups->At(2));
    groups->At(2)->LetVisible(false);
    EXPECT_EQ(bar.GetActiveGroup(), groups->At(1));
    groups->At(2)->LetVisible(true);
    groups->At(1)->LetVisible(false);
    EXPECT_EQ(bar.GetActiveGroup(), groups->At(2));
    // A group that is not active just leaves the bars at run time.
    groups->At(3)->LetVisible(false);
    EXPECT_EQ(Captions(bar.LowerGroups()), std::vector<std::string>{});
}

TEST_F(ListenerTest, TheLastShownGroupStaysShownInEitherMode) {
    for (const HostMode mode : {HostMode::User, HostMode::Design}) {
        KSButtonBar& bar = HostBar(mode);
        const ole::Ptr<CGroups> groups = ThreeGroups();
        groups->At(2)->LetVisible(false);
        groups->At(3)->LetVisible(false);
        EXPECT_EQ(ErrorTextOf([&] { groups->At(1)->LetVisible(false); }),
                  std::to_string(errors::kNumber) + " Atleast one group must be visible.");
        EXPECT_TRUE(groups->At(1)->GetVisible());
        // At design time hidden groups keep their bars.
        EXPECT_EQ(Captions(bar.UpperGroups()).size() + Captions(bar.LowerGroups()).size(),
                  mode == HostMode::Design ? 3U : 1U);
        // Nor does removing it leave none shown.
        groups->Remove(ole::Variant(1));
        EXPECT_TRUE(groups->At(1)->GetVisible());
        Unload();
    }
}

TEST_F(ListenerTest, RemovingTheActiveGroupPassesOverHiddenOnesAndLetsGoOfItsButtons) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroups> groups = ThreeGroups();
    AddButtons(2, groups->At(1));
    bar.SetSelectedButton(groups->At(1)->GetButtons()->At(2));
    bar.HighlightButton(groups->At(1)->GetButtons()->At(1));
    groups->At(2)->LetVisible(false);
    Events();
    groups->Remove(ole::Variant(1));
    EXPECT_EQ(groups->Count(), 2);
    EXPECT_EQ(bar.GetActiveGroup()->GetCaption(), "C");
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"ActiveGroupChanged", "GroupRemoved"}));
}

TEST_F(ListenerTest, AReorderInsideOneBoxShowsAtOnce) {
    KSButtonBar& bar = ShowBar();
    const ole::Ptr<CGroups> groups = ThreeGroups();
    bar.SetActiveGroup(groups->At(3));
    const ole::Ptr<CGroup> b = groups->At(2);
    groups->SetNewIndex(b, 1);
    EXPECT_EQ(Captions(bar.UpperGroups()), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(b->Bounds().top, 0);
    Click(Upper(), Centre(b->Bounds()));
    EXPECT_EQ(bar.GetActiveGroup(), b);
}

TEST_F(ListenerTest, LockRefreshLaysOutButtonsUnseenButStillMarksACaptionedBar) {
    KSButtonBar& bar = ShowBar();
    bar.LetLockRefresh(true);
    AddButtons(1);
    const win::RECT r = Button(1)->Bounds();
    ASSERT_GT(r.bottom, r.top);
    win::RECT pending{};
    EXPECT_FALSE(win::GetUpdateRect(Area(), &pending, false));
    EXPECT_NE(win::test::PixelOf(win::test::CaptureClient(Area()), Centre(r).x, Centre(r).y),
              0x000000U);
    ActiveGroup()->LetCaption("Renamed");
    EXPECT_TRUE(win::GetUpdateRect(Upper(), &pending, false));
    EXPECT_EQ(pending, ActiveGroup()->Bounds());
}

TEST_F(ListenerTest, OnlyACaptionOrPictureOfAShownButtonLaysOutAndRepaintsTheArea) {
    ShowBar();
    AddButtons(2);
    Events();
    const ole::Ptr<CButton> first = Button(1);
    const ole::Ptr<CButton> second = Button(2);
    const ole::Ptr<CGroup> group = ActiveGroup();
    const struct {
        const char* name;
        std::function<void()> change;
        bool redone;
    } rows[] = {
        {"TooltipText", [&] { second->LetTooltipText("tip"); }, false},
        {"Prompt", [&] { second->LetPrompt("prompt"); }, false},
        {"Tag", [&] { second->LetTag(ole::Variant(7)); }, false},
        {"Visible", [&] { second->LetVisible(false); }, false},
        {"group TooltipText", [&] { group->LetTooltipText("tip"); }, false},
        {"Caption", [&] { first->LetCaption("renamed"); }, true},
        {"Picture", [&] { first->SetPicture(Bitmap(20)); }, true},
    };
    win::RECT area{};
    win::GetClientRect(Area(), &area);
    const win::POINT mark{2, area.bottom - 2};
    constexpr win::COLORREF kMark = 0x00FF00FF;
    for (const auto& row : rows) {
        // A place no layout gives and a pixel no repaint leaves.
        constexpr win::RECT kStale{1, 1, 2, 2};
        first->LetBounds(kStale);
        const win::WindowDc dc(Area());
        win::SetPixel(dc.Get(), mark.x, mark.y, kMark);
        row.change();
        EXPECT_EQ(first->Bounds() != kStale, row.redone) << row.name;
        EXPECT_EQ(win::test::PixelOf(win::test::CaptureClient(Area()), mark.x, mark.y) != kMark,
                  row.redone)
            << row.name;
        win::RECT pending{};
        EXPECT_FALSE(win::GetUpdateRect(Area(), &pending, false)) << row.name;
        EXPECT_FALSE(win::GetUpdateRect(Upper(), &pending, false)) << row.name;
        EXPECT_EQ(Events(), std::vector<std::string>{}) << row.name;
    }
}

TEST_F(ListenerTest, HandlersMayChangeTheModelInsideTheBarsOwnEvents) {
    KSButtonBar& bar = ShowBar();
    AddButtons(3);
    const ole::Ptr<CButtons> buttons = ActiveGroup()->GetButtons();
    // The host removes a button as it lights up, and clears them all once one is selected.
    ole::Ptr<ole::EventSink> host = ole::EventSink::Create();
    host->On(KSButtonBar::EvButtonHighlightChanged, [&](std::span<ole::Variant> args) {
        if (args[1].Deref().AsBool() && buttons->Count() == 3)
            buttons->Remove(ole::Variant(1));
    });
    host->On(KSButtonBar::EvButtonSelectionChanged,
             [&](std::span<ole::Variant>) { buttons->Clear(); });
    const uint32_t cookie = ole::ConnectEvents(m_bar, host);
    Move(Area(), Centre(Button(1)->Bounds()));
    EXPECT_EQ(buttons->Count(), 2);
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    EXPECT_EQ(TakeMouse().item, nullptr);
    Click(Area(), Centre(Button(2)->Bounds()));
    EXPECT_EQ(buttons->Count(), 0);
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
    ole::DisconnectEvents(m_bar, cookie);
}

// A highlighted button that leaves takes its tip along: the empty place it leaves shows none.
TEST_F(ListenerTest, AHighlightedButtonThatLeavesTakesItsTipAlong) {
    const std::function<void(const ole::Ptr<CGroup>&)> removals[] = {
        [](const ole::Ptr<CGroup>& group) { group->GetButtons()->Remove(ole::Variant(3)); },
        [](const ole::Ptr<CGroup>& group) { group->GetButtons()->Clear(); },
        [this](const ole::Ptr<CGroup>&) { Bar().GetGroups()->Remove(ole::Variant(1)); },
    };
    for (const auto& remove : removals) {
        KSButtonBar& bar = ShowBar();
        bar.GetGroups()->Add("Other");
        AddButtons(3);
        Button(3)->LetTooltipText("Third");
        Move(Area(), Centre(Button(3)->Bounds()));
        ASSERT_EQ(bar.HighlightedButton(), Button(3));
        remove(ActiveGroup());
        win::TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Area();
        tool.uId = static_cast<win::UINT_PTR>(Area().Value());
        win::SendMessageA(bar.ToolTip()->hwnd(), win::TTM_GETTOOLINFOA, 0,
                          reinterpret_cast<win::LPARAM>(&tool));
        EXPECT_TRUE(win::IsRectEmpty(&tool.rect));
        Unload();
    }
}

// What the host removes while the bar tells it of the old highlight, or of the new active group,
// is not highlighted or selected afterwards.
TEST_F(ListenerTest, HandlersMayRemoveWhatTheBarIsAboutToMark) {
    KSButtonBar& bar = ShowBar();
    AddButtons(2);
    const ole::Ptr<CGroup> other = bar.GetGroups()->Add("Other");
    AddButtons(1, other);
    const ole::Ptr<CButtons> buttons = ActiveGroup()->GetButtons();
    const ole::Ptr<CButton> far = other->GetButtons()->At(1);
    ole::Ptr<ole::EventSink> host = ole::EventSink::Create();
    host->On(KSButtonBar::EvButtonHighlightChanged, [&](std::span<ole::Variant> args) {
        if (!args[1].Deref().AsBool() && buttons->Count() == 2)
            buttons->Remove(ole::Variant(2));
    });
    host->On(KSButtonBar::EvActiveGroupChanged,
             [&](std::span<ole::Variant>) { other->GetButtons()->Clear(); });
    const uint32_t cookie = ole::ConnectEvents(m_bar, host);
    Move(Area(), Centre(Button(1)->Bounds()));
    Move(Area(), Centre(Button(2)->Bounds()));
    EXPECT_EQ(buttons->Count(), 1);
    EXPECT_EQ(bar.HighlightedButton(), nullptr);
    EXPECT_EQ(TakeMouse().hit, ksUnknownHit);
    Events();
    bar.SetSelectedButton(far);
    EXPECT_EQ(bar.GetActiveGroup(), other);
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_EQ(Events(), std::vector<std::string>{"ActiveGroupChanged"});
    ole::DisconnectEvents(m_bar, cookie);
}

// Hosts that change the model from inside the bar's events, under random input: the bar never
// keeps as active, selected, highlighted or marked an object that has left it.
TEST_F(ListenerTest, RandomHandlersNeverLeaveTheBarHoldingWhatLeft) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&](int32_t n) {
            return 1 + static_cast<int32_t>(rng() % std::max(1, n));
        };
        KSButtonBar& bar = ShowBar();
        const ole::Ptr<CGroups> groups = bar.GetGroups();
        AddButtons(6);
        for (int g = 0; g < 3; ++g)
            AddButtons(pick(6), groups->Add("G"));
        const auto group = [&] { return groups->At(pick(groups->Count())); };
        const std::function<void()> changes[] = {
            [&] { groups->Remove(ole::Variant(pick(groups->Count()))); },
            [&] {
                const ole::Ptr<CButtons> buttons = group()->GetButtons();
                buttons->Remove(ole::Variant(pick(buttons->Count())));
            },
            [&] { group()->GetButtons()->Clear(); },
            [&] { group()->LetVisible(rng() % 2 == 0); },
            [&] { AddButtons(pick(3), group()); },
            [&] { bar.SetActiveGroup(group()); },
            [&] {
                const ole::Ptr<CButtons> buttons = group()->GetButtons();
                bar.SetSelectedButton(buttons->At(pick(buttons->Count())));
            },
        };
        const auto change = [&] { ole::ResumeNext(changes[rng() % std::size(changes)]); };
        ole::Ptr<ole::EventSink> host = ole::EventSink::Create();
        for (ole::DISPID id = KSButtonBar::EvGroupAdded; id <= KSButtonBar::EvMouseMove; ++id) {
            host->On(id, [&](std::span<ole::Variant>) {
                if (rng() % 3 == 0)
                    change();
            });
        }
        const uint32_t cookie = ole::ConnectEvents(m_bar, host);
        const auto held = [&](const ole::Ptr<CBarItem>& item) {
            const auto button = ole::PtrCast<CButton>(item);
            const ole::Ptr<CGroup> group =
                button ? button->GetParentGroup() : ole::PtrCast<CGroup>(item);
            return !item ||
                   (groups->Holds(*group) && (!button || group->GetButtons()->Holds(*button)));
        };
        for (int step = 0; step < 150; ++step) {
            const win::HWND box = std::array{Area(), Upper(), Lower()}[rng() % 3];
            win::RECT r{};
            win::GetClientRect(box, &r);
            const win::POINT pt{pick(r.right + 20) - 10, pick(r.bottom + 20) - 10};
            switch (rng() % 4) {
            case 0:
                Move(box, pt);
                break;
            case 1:
                Click(box, pt);
                break;
            case 2:
                win::SetFocus(box);
                Key(std::array{win::VK_LEFT, win::VK_DOWN, win::VK_RETURN}[rng() % 3]);
                break;
            default:
                change();
            }
            ASSERT_TRUE(held(bar.GetActiveGroup()) && held(bar.GetSelectedButton()) &&
                        held(bar.HighlightedButton()) && held(bar.FocusGroup()))
                << seed << ", " << step;
        }
        ole::DisconnectEvents(m_bar, cookie);
        ole::DisconnectEvents(m_bar, m_cookie);
        m_cookie = 0;
        Unload();
    }
    EXPECT_TRUE(ole::TakeReportedErrors().empty());
}

} // namespace
} // namespace shelfstrip::test

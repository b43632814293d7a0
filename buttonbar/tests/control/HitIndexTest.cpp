// The button area's hit test, found from the grid, against a plain walk of the active group's
// buttons at every pixel in and around the area, after each step of random sequences of model
// changes, scrolls, resizes, layout changes and mode changes.

#include "BarFixture.h"

#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace shelfstrip::test {
namespace {

class HitIndexTest : public BarFixture {
protected:
    struct Placed {
        ole::Ptr<CButton> button;
        win::RECT r;
    };

    // The buttons taking part, in collection order, that hold the point on all four sides or
    // that share a pixel with the rectangle.
    static std::vector<ole::Ptr<CButton>> Walk(const std::vector<Placed>& placed, win::POINT pt,
                                               const win::RECT* rect = nullptr) {
        std::vector<ole::Ptr<CButton>> found;
        for (const auto& [button, r] : placed) {
            if (rect ? std::max(r.left, rect->left) < std::min(r.right, rect->right) &&
                           std::max(r.top, rect->top) < std::min(r.bottom, rect->bottom)
                     : r.left < pt.x && pt.x < r.right && r.top < pt.y && pt.y < r.bottom)
                found.push_back(button);
        }
        return found;
    }

    // Points on, beside and between the buttons' edges in and around the area, and rectangles
    // that start or end there, as hit tests and repaints ask; the number of points on a button.
    int Compare(const std::string& step) {
        win::RECT area{};
        win::GetClientRect(Bar().ButtonsBox()->Window(), &area);
        std::vector<Placed> placed;
        std::set<int32_t> xs;
        std::set<int32_t> ys;
        const auto near = [](std::set<int32_t>& into, int32_t edge, int32_t low, int32_t high) {
            for (int32_t c = edge - 1; c <= edge + 1; ++c) {
                if (c >= low && c < high)
                    into.insert(c);
            }
        };
        for (int32_t i = 1; i <= Buttons()->Count(); ++i) {
            const ole::Ptr<CButton> button = Buttons()->At(i);
            const win::RECT r = button->Bounds();
            if (Bar().TakesPart(*button))
                placed.push_back({button, r});
            for (const int32_t x : {r.left, r.right})
                near(xs, x, area.left - 12, area.right + 12);
            for (const int32_t y : {r.top, r.bottom})
                near(ys, y, area.top - 12, area.bottom + 12);
        }
        for (int32_t x = area.left - 12; x < area.right + 12; x += 5)
            xs.insert(x);
        for (int32_t y = area.top - 12; y < area.bottom + 12; y += 5)
            ys.insert(y);
        int hits = 0;
        for (const int32_t y : ys) {
            for (const int32_t x : xs) {
                const std::vector<ole::Ptr<CButton>> walked = Walk(placed, {x, y});
                const ole::Ptr<CButton> expected = walked.empty() ? nullptr : walked.front();
                const win::RECT after{x, y, x + 23, y + 17};
                const win::RECT before{x - 22, y - 16, x + 1, y + 1};
                if (Bar().ButtonAt({x, y}) != expected ||
                    Bar().ButtonsMeeting(*ActiveGroup(), after) != Walk(placed, {}, &after) ||
                    Bar().ButtonsMeeting(*ActiveGroup(), before) != Walk(placed, {}, &before)) {
                    ADD_FAILURE() << step << " at " << x << "," << y;
                    return hits;
                }
                hits += expected ? 1 : 0;
            }
        }
        return hits;
    }

    // A click on the middle of a scroll strip.
    void Scroll(bool down) {
        const win::RECT& strip = down ? Bar().Layout().downRightArrow : Bar().Layout().upLeftArrow;
        Bar().HandleButtonAreaClick((strip.left + strip.right) / 2, (strip.top + strip.bottom) / 2);
    }
    ole::Ptr<CButtons> Buttons() { return ActiveGroup()->GetButtons(); }
    void Add(std::mt19937& random) {
        const int side = 8 + static_cast<int>(random() % 24);
        Buttons()->Add(std::string(random() % 12, 'w'), Bitmap(side));
    }
    ole::Ptr<CButton> Any(std::mt19937& random) {
        return Buttons()->At(1 + static_cast<int32_t>(random() % Buttons()->Count()));
    }
};

TEST_F(HitIndexTest, AButtonBackOnTheOldPlaceOfAnotherIsFoundFirst) {
    // A hidden button left behind by a layout comes back by being shown, or by design time.
    for (const bool shown : {true, false}) {
        KSButtonBar& bar = HostBar(HostMode::User, {0, 0, 120, 200});
        AddButtons(3);
        const ole::Ptr<CButton> second = Buttons()->At(2);
        second->LetVisible(false);
        AddButtons(1);
        if (shown)
            second->LetVisible(true);
        else
            forms::test::TestHost::SetAmbientUserMode(*m_extender, false);
        ASSERT_EQ(second->Bounds(), Buttons()->At(3)->Bounds());
        const win::RECT r = second->Bounds();
        EXPECT_EQ(bar.ButtonAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), second);
        EXPECT_GT(Compare("back"), 0);
        Unload();
    }
}

TEST_F(HitIndexTest, AgreesWithAWalkThroughRandomChanges) {
    const struct {
        unsigned seed;
        HostMode mode;
    } runs[] = {
        {1, HostMode::User}, {2, HostMode::User}, {3, HostMode::Design}, {4, HostMode::User}};
    for (const auto& run : runs) {
        std::mt19937 random(run.seed);
        KSButtonBar& bar = HostBar(run.mode, {0, 0, 110, 170});
        const ole::Ptr<CGroup> first = ActiveGroup();
        const ole::Ptr<CGroup> second = bar.GetGroups()->Add("Second");
        AddButtons(4, second);
        for (int i = 0; i < 14; ++i)
            Add(random);
        int hits = 0;
        for (int step = 0; step < 40; ++step) {
            const unsigned action = random() % 14;
            const int32_t count = Buttons()->Count();
            switch (action) {
            case 0:
                Add(random);
                break;
            case 1:
                if (count > 1)
                    Buttons()->Remove(ole::Variant(1 + static_cast<int32_t>(random() % count)));
                break;
            case 2:
            case 3:
                if (count > 0)
                    Any(random)->LetVisible(action == 3);
                break;
            case 4:
                if (count > 0)
                    Buttons()->SetNewIndex(Any(random), 1 + static_cast<int32_t>(random() % count));
                break;
            case 5:
            case 6:
                Scroll(action == 5);
                break;
            case 7:
                bar.HandleButtonAreaKey(random() % 2 ? win::VK_DOWN : win::VK_RIGHT);
                break;
            case 8:
                m_extender->Move(0, ole::Variant(0), ole::Variant(900 + int(random() % 1500)),
                                 ole::Variant(1200 + int(random() % 2000)));
                break;
            case 9:
                bar.LetButtonLayout(random() % 2 ? ksTiled : ksLinear);
                bar.LetButtonFlow(random() % 2 ? ksHorizontal : ksVertical);
                break;
            case 10:
                bar.LetButtonWidth(15 * (20 + int(random() % 40)));
                bar.LetButtonHeight(15 * (20 + int(random() % 40)));
                bar.LetButtonSize(random() % 2 ? ksUserSpecified : ksAutoCalculated);
                break;
            case 11:
                // The other group shown and scrolled while the layout is held back.
                bar.LetLayoutSuspended(true);
                bar.SetActiveGroup(second);
                Scroll(true);
                hits += Compare("other group, held");
                bar.SetActiveGroup(first);
                hits += Compare("back, held");
                bar.LetLayoutSuspended(false);
                break;
            case 12:
                // Changes to the shown buttons while the layout is held back.
                bar.LetLayoutSuspended(true);
                Add(random);
                Any(random)->LetVisible(true);
                if (random() % 2)
                    Buttons()->SetNewIndex(Any(random), 1);
                else
                    Buttons()->Remove(ole::Variant(1));
                hits += Compare("moved or removed, held");
                bar.LetLayoutSuspended(false);
                break;
            default:
                forms::test::TestHost::SetAmbientUserMode(*m_extender, random() % 2 == 0);
                break;
            }
            hits += Compare("seed " + std::to_string(run.seed) + " step " + std::to_string(step) +
                            " action " + std::to_string(action));
        }
        EXPECT_GT(hits, 0) << run.seed;
        Unload();
    }
}

} // namespace
} // namespace shelfstrip::test

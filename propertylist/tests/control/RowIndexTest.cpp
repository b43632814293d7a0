// The indexed rows against a plain walk of the trees: long seeded random sequences of adds,
// removes, clears, expands, collapses, sorts, view switches and scrolls, checked after each step.

#include "InputFixture.h"

#include <random>

namespace attrgrid::test {
namespace {

class RowIndexTest : public InputFixture {
protected:
    // The reachable rows by recursion over each row's children.
    static void Walk(const ole::Ptr<CNode>& row, std::vector<CNode*>& out) {
        out.push_back(row.Get());
        if (!row->Expanded())
            return;
        for (int32_t i = 1; i <= row->ChildCount(); ++i)
            Walk(row->Child(i), out);
    }
    static std::vector<CNode*> ReferenceRows(const CNodes& tree) {
        std::vector<CNode*> rows;
        for (int32_t i = 1; i <= tree.TopLevelCount(); ++i)
            Walk(tree.TopLevel()[static_cast<size_t>(i - 1)], rows);
        return rows;
    }

    void ExpectIndexMatchesWalk(const CNodes& tree, const std::string& step) {
        const auto expected = ReferenceRows(tree);
        ASSERT_EQ(tree.VisibleCount(), static_cast<int32_t>(expected.size())) << step;
        for (size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(tree.VisibleRow(static_cast<int32_t>(i)).Get(), expected[i]) << step;
            ASSERT_EQ(tree.VisibleIndex(expected[i]), static_cast<int32_t>(i)) << step;
            const auto next = expected[i]->NextVisibleNode();
            ASSERT_EQ(next.Get(), i + 1 < expected.size() ? expected[i + 1] : nullptr) << step;
            const auto previous = expected[i]->PreviousVisibleNode();
            ASSERT_EQ(previous.Get(), i > 0 ? expected[i - 1] : nullptr) << step;
        }
    }

    // Rows on screen sit where the scroll value puts them, the hit test finds each one, and the
    // bar's range covers the rows.
    void ExpectScreenMatchesWalk(const std::string& step) {
        Z& grid = Grid();
        const auto rows = ReferenceRows(*grid.ActiveNodes());
        const int32_t header = grid.HeaderHeightPixels();
        const int32_t height = grid.RowHeight();
        auto* bar = grid.ScrollBar();
        const bool shown = grid.ScrollBarShown();
        const int32_t value = shown ? bar->GetValue() : 0;
        if (shown)
            ASSERT_EQ(bar->GetMax(), static_cast<int32_t>(rows.size()) - Page()) << step;
        else
            ASSERT_LE(static_cast<int32_t>(rows.size()), Page() + 1) << step;
        for (int32_t i = value; i < std::min<int32_t>(value + Page(), rows.size()); ++i) {
            const int32_t top = header + (i - value) * height;
            ASSERT_EQ(rows[static_cast<size_t>(i)]->RowRect().top, top) << step << " row " << i;
            ASSERT_EQ(InputTestAccess::HitTest(grid, 30, top + height / 2).Get(),
                      rows[static_cast<size_t>(i)])
                << step << " row " << i;
        }
    }

    // What the grid shows now is what laying out and repainting every row draws, as unlocking
    // does.
    void ExpectAsFullyRefreshed() {
        const auto shown = Column(true);
        Grid().LetLockRefresh(true);
        Grid().LetLockRefresh(false);
        EXPECT_EQ(shown, Column(true));
    }

    void RunSequence(uint32_t seed, int steps) {
        Z& grid = Grid();
        // Clearing lays nothing out; the add after it does.
        auto restart = [&] {
            grid.GetProperties()->Clear();
            grid.GetProperties()->Add("First", ole::Variant(0), "A");
        };
        restart();
        std::mt19937 random(seed);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
        const std::vector<std::string> categories{"A", "B", "A|X", "B|Y|Z", "", "A|X|W"};
        auto properties = grid.GetProperties();
        for (int step = 0; step < steps; ++step) {
            const int action = pick(20);
            std::string what;
            if (action < 8) {
                what = "add";
                const std::string name = "P" + std::to_string(pick(60));
                try {
                    properties->Add(name, ole::Variant(step), categories[pick(6)]);
                } catch (const ole::Error&) {
                    what = "add (refused)";
                }
            } else if (action < 11 && properties->Count() > 0) {
                what = "remove";
                properties->Remove(ole::Variant(1 + pick(properties->Count())));
            } else if (action == 11 && pick(4) == 0) {
                what = "clear";
                restart();
            } else if (action < 15) {
                const auto tree = grid.ActiveNodes();
                if (tree->VisibleCount() > 0) {
                    const auto row = tree->VisibleRow(pick(tree->VisibleCount()));
                    what = row->Expanded() ? "collapse" : "expand";
                    row->SetExpanded(!row->Expanded());
                }
            } else if (action == 15) {
                what = "sort";
                grid.LetSorted(false);
                grid.LetSortOrder(pick(2));
                win::test::advanceTime(2000);
                win::test::click(grid.Panel("m_picNameHeader")->Window(), {5, 5});
                win::test::pump();
            } else if (action == 16) {
                what = "view";
                grid.LetActiveView(grid.GetActiveView() == ksAlphabetic ? ksCatagorized
                                                                        : ksAlphabetic);
            } else if (grid.ScrollBarShown()) {
                what = "scroll";
                auto* bar = grid.ScrollBar();
                bar->SetValue(static_cast<int16_t>(pick(bar->GetMax() + 1)));
            }
            win::test::pump();
            const std::string label = "seed " + std::to_string(seed) + " step " +
                                      std::to_string(step) + " (" + what + ")";
            ExpectIndexMatchesWalk(*grid.AlphabeticNodes(), label);
            ExpectIndexMatchesWalk(*grid.CategorizedNodes(), label);
            ExpectScreenMatchesWalk(label);
            if (HasFatalFailure())
                return;
        }
    }
};

TEST_F(RowIndexTest, RandomSequencesKeepTheIndexOnTheTree) {
    ShowGrid();
    for (const uint32_t seed : {1u, 7u, 2024u})
        RunSequence(seed, 250);
}

// Each add or remove, refresh unlocked, leaves the grid as a full layout and repaint draw it: rows
// coming or going past the screen, under collapsed or on-screen categories, with tree lines,
// scrolled or not.
TEST_F(RowIndexTest, EachAddOrRemoveLeavesTheGridAsAFullRefreshDrawsIt) {
    Z& grid = ShowGrid({10, 10, 170, 130});
    grid.LetTreeStyle(ksTreeLinesPlusMinusText);
    grid.LetActiveView(ksCatagorized);
    std::mt19937 random(5);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
    const std::vector<std::string> categories{"A", "B", "A|X", "B|Y|Z", "C", "A|X|W", "D|E", "N|A"};
    auto properties = grid.GetProperties();
    for (int step = 0; step < 240; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int action = pick(12);
        if (action == 0) {
            grid.LetActiveView(grid.GetActiveView() == ksAlphabetic ? ksCatagorized : ksAlphabetic);
        } else if (action == 1 && grid.ActiveNodes()->VisibleCount() > 0) {
            const auto tree = grid.ActiveNodes();
            const auto row = tree->VisibleRow(pick(tree->VisibleCount()));
            row->SetExpanded(!row->Expanded());
        } else if (action == 2 && grid.ScrollBarShown()) {
            grid.ScrollBar()->SetValue(static_cast<int16_t>(pick(grid.ScrollBar()->GetMax() + 1)));
        } else {
            if (action < 6 && properties->Count() > 0)
                properties->Remove(ole::Variant(1 + pick(properties->Count())));
            else
                properties->Add("P" + std::to_string(step), ole::Variant(step),
                                categories[pick(8)]);
            ExpectAsFullyRefreshed();
        }
        win::test::pump();
        ASSERT_FALSE(HasFailure());
    }
}

// A category that left the view by a view switch keeps the rectangle it had when last laid out;
// collapsing it above the view moves every row on screen up.
TEST_F(RowIndexTest, CollapsingARowAboveTheViewRepaintsEveryRowThatMoved) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    AddProperties(1, "A");
    AddProperties(1, "B");
    AddProperties(40, "C");
    win::test::pump();
    grid.LetActiveView(ksAlphabetic);
    grid.ScrollBar()->SetValue(10);
    grid.LetActiveView(ksCatagorized);
    win::test::pump();
    grid.ActiveNodes()->CategoryByName("B")->SetExpanded(false);
    win::test::pump();
    ExpectAsFullyRefreshed();
}

// "N|A" with A a category already puts the row under A and makes an empty N after it: with tree
// lines, A's line now runs on past every row of A on screen.
TEST_F(RowIndexTest, AnAddMakingACategoryElsewhereRepaintsTheRowsItChanges) {
    Z& grid = ShowGrid();
    grid.LetTreeStyle(ksTreeLinesPlusMinusText);
    grid.LetActiveView(ksCatagorized);
    AddProperties(40, "A");
    win::test::pump();
    AddProperties(1, "N|A");
    ExpectAsFullyRefreshed();
}

} // namespace
} // namespace attrgrid::test

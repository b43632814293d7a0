#include "RowsFixture.h"

#include <random>

namespace rowstest {
namespace {

// Every row's PositionKey finds it; siblings are numbered 1..count without gaps.
void ExpectInvariants(const ole::Ptr<CNodes>& tree) {
    int32_t topLevel = 0;
    for (const auto& row : tree->Snapshot()) {
        EXPECT_EQ(tree->ItemByPosition(row->PositionKey()).Get(), row.Get()) << row->Key();
        if (!row->Key().empty()) {
            const auto found = row->NodeType() == NodeKind::Category
                                   ? tree->CategoryByName(row->Key())
                                   : tree->ItemByKey(row->Key());
            EXPECT_EQ(found.Get(), row.Get());
        }
        for (int32_t i = 1; i <= row->ChildCount(); ++i)
            EXPECT_TRUE(row->Child(i)) << row->Key() << " child " << i;
        topLevel += row->ParentId() == 0;
    }
    EXPECT_EQ(topLevel, tree->TopLevelCount());
    for (int32_t i = 1; i <= tree->TopLevelCount(); ++i)
        EXPECT_TRUE(tree->ItemByPosition(MakePositionKey(0, i)));
}

TEST_F(RowsTest, PositionKeysNumbersAndLevels) {
    auto [owner, tree] = MakeTree();
    auto first = AddRow(tree, nullptr, "A");
    auto second = AddRow(tree, nullptr, "B");
    EXPECT_EQ(first->PositionKey(), "P0_I1");
    EXPECT_EQ(first->Index(), 1);
    EXPECT_EQ(first->Level(), 1);
    EXPECT_EQ(first->NodeNumber(), 1000);
    EXPECT_EQ(second->PositionKey(), "P0_I2");
    EXPECT_EQ(second->NodeNumber(), 1001);

    auto c1 = AddRow(tree, first, "A1");
    auto c2 = AddRow(tree, first, "A2");
    EXPECT_EQ(c1->PositionKey(), "P1000_I1");
    EXPECT_EQ(c2->PositionKey(), "P1000_I2");
    EXPECT_EQ(c2->Level(), 2);
    EXPECT_EQ(first->ChildCount(), 2);
    EXPECT_EQ(c2->Parent().Get(), first.Get());
    EXPECT_EQ(tree->TopLevelCount(), 2);
    ExpectInvariants(tree);

    tree->Clear();
    EXPECT_EQ(tree->Count(), 0);
    EXPECT_EQ(tree->TopLevelCount(), 0);
    EXPECT_EQ(AddRow(tree, nullptr, "A")->NodeNumber(), 1000);
}

// Keys are stored as given (a property's internal key may start or end with a blank) and are
// unique without regard to case; a category is looked up by its trimmed name.
TEST_F(RowsTest, KeysAreKeptAsGivenAndUniqueWithoutCase) {
    auto [owner, tree] = MakeTree();
    ASSERT_TRUE(tree->Add(nullptr, 0, "Size", "Size", ole::Variant(""), NodeKind::Category));
    EXPECT_EQ(tree->CategoryByName("  size ")->Key(), "Size");
    try {
        tree->Add(nullptr, 0, "SIZE", "x", ole::Variant(""), NodeKind::Category);
        ADD_FAILURE() << "duplicate key accepted";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), static_cast<int32_t>(0x80040005));
        EXPECT_EQ(e.Description(), "Property with this key is already present.");
        EXPECT_EQ(e.Source(), "CProperties.Add");
    }
    EXPECT_EQ(tree->Count(), 1);

    auto plain = AddRow(tree, nullptr, "Misc_Width", NodeKind::Property);
    auto padded = AddRow(tree, nullptr, "Misc_Width ", NodeKind::Property);
    ASSERT_TRUE(padded);
    EXPECT_EQ(tree->ItemByKey("misc_width ").Get(), padded.Get());
    EXPECT_EQ(tree->ItemByKey("Misc_Width").Get(), plain.Get());
    tree->Remove(ole::Variant("Misc_Width "));
    EXPECT_FALSE(tree->ItemByKey("Misc_Width "));
    EXPECT_EQ(tree->TopLevelCount(), 2);
}

TEST_F(RowsTest, NumericLookingNamesAreCategoryNamesNotPositions) {
    auto [owner, tree] = MakeTree();
    auto plain = AddRow(tree, nullptr, "Misc");
    auto year = AddRow(tree, nullptr, "2024");
    auto one = AddRow(tree, nullptr, "1");
    auto sub = AddRow(tree, one, "Sub");
    ASSERT_TRUE(year);
    ASSERT_TRUE(one);
    ASSERT_TRUE(sub);
    EXPECT_EQ(tree->CategoryByName(" 1 ").Get(), one.Get());
    EXPECT_EQ(tree->CategoryByName("2024").Get(), year.Get());
    // Text given to Item is a property key: category names are not found there.
    EXPECT_FALSE(tree->Item(ole::Variant("1")));
    EXPECT_EQ(sub->Parent().Get(), one.Get());

    // Numbers select by storage position, half to even; anything else finds nothing.
    EXPECT_EQ(tree->Item(ole::Variant(1)).Get(), plain.Get());
    EXPECT_EQ(tree->Item(ole::Variant(2.5)).Get(), year.Get());
    EXPECT_FALSE(tree->Item(ole::Variant(0)));
    EXPECT_FALSE(tree->Item(ole::Variant(5)));
    EXPECT_FALSE(tree->Item(ole::Variant()));
    EXPECT_FALSE(tree->Item(ole::Variant::Null()));
    EXPECT_FALSE(tree->Item(ole::Variant("nope")));
}

TEST_F(RowsTest, AddNeedsALiveOwnerAndAKnownRelationship) {
    auto unbound = CNodes::Create();
    std::string key = "A";
    EXPECT_FALSE(unbound->Add(nullptr, 0, key, "A", ole::Variant(""), NodeKind::Category));
    EXPECT_EQ(unbound->Count(), 0);

    auto [owner, tree] = MakeTree();
    auto top = AddRow(tree, nullptr, "Top");
    std::string sibling = "S";
    EXPECT_FALSE(tree->Add(top, 2, sibling, "S", ole::Variant(""), NodeKind::Category));
    EXPECT_EQ(top->ChildCount(), 0);

    owner = nullptr;
    std::string late = "Late";
    EXPECT_FALSE(tree->Add(nullptr, 0, late, "Late", ole::Variant(""), NodeKind::Category));
    EXPECT_EQ(tree->Count(), 1);
}

TEST_F(RowsTest, RemoveClosesGapsAndTakesWholeSubtrees) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    auto b = AddRow(tree, nullptr, "B");
    auto c = AddRow(tree, nullptr, "C");
    auto b1 = AddRow(tree, b, "B1");
    auto b11 = AddRow(tree, b1, "B11");
    auto c1 = AddRow(tree, c, "C1");

    tree->RemoveNode(tree->CategoryByName("a"));
    EXPECT_EQ(b->PositionKey(), "P0_I1");
    EXPECT_EQ(c->PositionKey(), "P0_I2");
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(c->Index(), 2);
    EXPECT_EQ(tree->TopLevelCount(), 2);
    EXPECT_EQ(c1->PositionKey(), MakePositionKey(c->NodeNumber(), 1));
    EXPECT_EQ(tree->CategoryByName("C1").Get(), c1.Get());
    ExpectInvariants(tree);

    tree->RemoveNode(b);
    EXPECT_EQ(tree->Count(), 2);
    EXPECT_FALSE(tree->CategoryByName("B1"));
    EXPECT_FALSE(tree->CategoryByName("B11"));
    EXPECT_EQ(c->PositionKey(), "P0_I1");
    EXPECT_TRUE(AddRow(tree, nullptr, "B11"));
    ExpectInvariants(tree);

    // A child removed from the middle renumbers its later siblings only.
    auto c2 = AddRow(tree, c, "C2");
    auto c3 = AddRow(tree, c, "C3");
    tree->RemoveNode(c2);
    EXPECT_EQ(c->ChildCount(), 2);
    EXPECT_EQ(c3->Index(), 2);
    EXPECT_EQ(c->Child(2).Get(), c3.Get());
    tree->Remove(ole::Variant("unknown"));
    tree->RemoveNode(c2);
    tree->RemoveNode(nullptr);
    EXPECT_EQ(tree->Count(), 4);
    ExpectInvariants(tree);
}

TEST_F(RowsTest, SwapNodesExchangesSiblingsOnly) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    auto b = AddRow(tree, nullptr, "B");
    auto a1 = AddRow(tree, a, "A1");
    tree->SwapNodes(a1, b);
    EXPECT_EQ(a1->PositionKey(), MakePositionKey(a->NodeNumber(), 1));
    EXPECT_EQ(b->PositionKey(), "P0_I2");

    tree->SwapNodes(a, b);
    EXPECT_EQ(a->Index(), 2);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(tree->CategoryByName("A").Get(), a.Get());
    EXPECT_EQ(tree->ItemByPosition("P0_I1").Get(), b.Get());
    EXPECT_EQ(a->FirstChild().Get(), a1.Get());

    // A row already removed is refused: it must not take a live row's place.
    auto c = AddRow(tree, nullptr, "C");
    tree->RemoveNode(b);
    tree->SwapNodes(b, c);
    EXPECT_EQ(VisibleKeys(tree), (std::vector<std::string>{"A", "A1", "C"}));
    EXPECT_EQ(c->Index(), 2);
    ExpectInvariants(tree);

    // A full sort by swaps, as the control sorts siblings.
    tree->Clear();
    for (const char* key : {"d", "b", "e", "a", "c"})
        AddRow(tree, nullptr, key);
    for (int32_t i = 1; i <= tree->TopLevelCount(); ++i)
        for (int32_t j = tree->TopLevelCount(); j > i; --j) {
            auto lower = tree->ItemByPosition(MakePositionKey(0, j - 1));
            auto upper = tree->ItemByPosition(MakePositionKey(0, j));
            if (upper->Key() < lower->Key())
                tree->SwapNodes(lower, upper);
        }
    EXPECT_EQ(VisibleKeys(tree), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    ExpectInvariants(tree);
}

TEST_F(RowsTest, RowsOutlivingTheirTreeFindNothing) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    auto a1 = AddRow(tree, a, "A1");
    auto b = AddRow(tree, nullptr, "B");
    tree = nullptr;
    EXPECT_FALSE(a->FirstChild());
    EXPECT_FALSE(a->NextSibling());
    EXPECT_FALSE(b->PreviousVisibleNode());
    EXPECT_FALSE(a->NextVisibleNode());
    EXPECT_EQ(a1->Parent().Get(), a.Get());
    a = nullptr;
    EXPECT_FALSE(a1->Parent());
    EXPECT_FALSE(a1->NextVisibleNode());
    EXPECT_FALSE(a1->PreviousVisibleNode());
    EXPECT_FALSE(a1->IsDescendantOf(b));
}

TEST_F(RowsTest, CategoryNamesAndPropertyKeysLiveApart) {
    auto [owner, tree] = MakeTree();
    auto category = AddRow(tree, nullptr, "A_B");
    std::string key = "A_B";
    auto property =
        tree->Add(category, CNodes::LastChild, key, "B", ole::Variant(""), NodeKind::Property);
    ASSERT_TRUE(property);
    EXPECT_EQ(tree->ItemByKey("a_b").Get(), property.Get());
    EXPECT_EQ(tree->CategoryByName("a_b").Get(), category.Get());

    // Duplicates are refused within one kind only.
    std::string sameName = "a_b";
    EXPECT_THROW(
        tree->Add(nullptr, CNodes::LastChild, sameName, "x", ole::Variant(""), NodeKind::Category),
        ole::Error);
    std::string sameKey = "A_B";
    EXPECT_THROW(
        tree->Add(nullptr, CNodes::LastChild, sameKey, "x", ole::Variant(""), NodeKind::Property),
        ole::Error);

    tree->Remove(ole::Variant("A_B"));
    EXPECT_FALSE(tree->ItemByKey("A_B"));
    EXPECT_EQ(tree->CategoryByName("A_B").Get(), category.Get());
    EXPECT_EQ(category->ChildCount(), 0);
    ExpectInvariants(tree);
}

// Seeded runs of collapses and expands, more than the shifts a lookup reads before the rows are
// renumbered, over rows nested three deep: the index of reachable rows stays the display order.
TEST_F(RowsTest, CollapsingAndExpandingKeepTheReachableRowsInDisplayOrder) {
    auto [owner, tree] = MakeTree();
    std::mt19937 random(42);
    std::vector<ole::Ptr<CNode>> rows;
    for (int i = 0; i < 40; ++i) {
        const auto parent =
            rows.empty() || random() % 4 == 0 ? nullptr : rows[random() % rows.size()];
        if (!parent || parent->Level() < 3)
            rows.push_back(AddRow(tree, parent, "R" + std::to_string(i)));
    }
    std::erase_if(rows, [](const auto& row) { return row->ChildCount() == 0; });
    for (int step = 0; step < 600; ++step) {
        const auto& row = rows[random() % rows.size()];
        row->SetExpanded(!row->Expanded());
        // Lookups now and then only, so shifts pile up between them.
        if (random() % 3 != 0)
            continue;
        const auto expected = VisibleKeys(tree);
        ASSERT_EQ(tree->VisibleCount(), static_cast<int32_t>(expected.size())) << step;
        for (int32_t i = 0; i < tree->VisibleCount(); ++i) {
            const auto shown = tree->VisibleRow(i);
            ASSERT_EQ(shown->Key(), expected[static_cast<size_t>(i)]) << step;
            ASSERT_EQ(tree->VisibleIndex(shown.Get()), i) << step;
        }
        for (const auto& hidden : tree->Snapshot()) {
            if (std::find(expected.begin(), expected.end(), hidden->Key()) == expected.end()) {
                ASSERT_EQ(tree->VisibleIndex(hidden.Get()), -1) << step << " " << hidden->Key();
            }
        }
    }
    tree->Clear();
}

} // namespace
} // namespace rowstest

#include "RowsFixture.h"

#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CPropertyOwner.h"
#include "propertylist/model/rows/CRowTrees.h"
#include "propertylist/model/rows/CategoryPath.h"

#include "platform/base/TextCase.h"

#include <random>

namespace rowstest {
namespace {

// A property named as its value, added as the list adds it.
ole::Ptr<CProperty> Add(ListStandIn& list, const std::string& name, const std::string& category) {
    return list.Add(name, ole::Variant(name), category);
}

std::vector<std::string> VisibleNames(const ole::Ptr<CNodes>& tree) {
    std::vector<std::string> names;
    for (auto row = tree->ItemByPosition("P0_I1"); row; row = row->NextVisibleNode())
        names.push_back(std::string(row->Level() - 1, '>') + row->Name());
    return names;
}

TEST(CategoryPathTest, SplitsAtTheSeparatorWithoutCase) {
    EXPECT_EQ(SplitCategoryPath(" A | B |C", "|"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(SplitCategoryPath("AxyBXYc", "xy"), (std::vector<std::string>{"A", "B", "c"}));
    EXPECT_EQ(SplitCategoryPath("||A|| |", "|"), (std::vector<std::string>{"A"}));
    EXPECT_EQ(SplitCategoryPath("A|B", ""), (std::vector<std::string>{"A|B"}));
    EXPECT_TRUE(IsBlankCategory("", "|"));
    EXPECT_TRUE(IsBlankCategory("|||", "|"));
    EXPECT_FALSE(IsBlankCategory(" ", "|"));
    EXPECT_FALSE(IsBlankCategory("|a|", "|"));
}

TEST_F(RowsTest, BothViewsOrderCategoryAndPropertyRows) {
    auto owner = ListStandIn::Create();
    Add(*owner, "Width", "Layout|Size");
    Add(*owner, "Year", "2024");
    Add(*owner, "Height", "layout | size");
    Add(*owner, "Deep", "1|Sub");
    auto loose = Add(*owner, "Loose", "");
    Add(*owner, "Left", "Layout");

    EXPECT_EQ(loose->GetCategory(), "Misc");
    EXPECT_EQ(VisibleNames(owner->trees.Alphabetic()),
              (std::vector<std::string>{"Width", "Year", "Height", "Deep", "Loose", "Left"}));
    EXPECT_EQ(VisibleNames(owner->trees.Categorized()),
              (std::vector<std::string>{"Layout", ">Size", ">>Width", ">>Height", ">Left", "2024",
                                        ">Year", "1", ">Sub", ">>Deep", "Misc", ">Loose"}));
    const auto categorized = owner->trees.Categorized();
    EXPECT_EQ(categorized->CategoryByName("1")->NodeType(), NodeKind::Category);
    EXPECT_EQ(categorized->CategoryByName("1")->Name(), "1");

    // A renamed property shows its new name in both views.
    owner->properties->Item(ole::Variant(1))->LetName("Breadth");
    EXPECT_EQ(owner->trees.Alphabetic()->ItemByPosition("P0_I1")->Name(), "Breadth");
    EXPECT_EQ(VisibleNames(categorized)[2], ">>Breadth");

    owner->trees.Clear();
    owner->properties->Clear();
}

TEST_F(RowsTest, RemovingTheLastPropertyPrunesItsCategories) {
    auto owner = ListStandIn::Create();
    auto deep = Add(*owner, "Deep", "A|B|C");
    Add(*owner, "Other", "A");
    owner->trees.RemoveProperty(deep->GetInternalKey());
    EXPECT_EQ(VisibleNames(owner->trees.Categorized()), (std::vector<std::string>{"A", ">Other"}));
    EXPECT_EQ(VisibleNames(owner->trees.Alphabetic()), (std::vector<std::string>{"Other"}));
    EXPECT_FALSE(owner->trees.Categorized()->CategoryByName("B"));
    EXPECT_FALSE(owner->trees.Categorized()->CategoryByName("C"));

    // With the list gone, rows still answer from what they were made with.
    auto row = owner->trees.Alphabetic()->ItemByPosition("P0_I1");
    owner->properties->Clear();
    owner->trees.Clear();
    owner = nullptr;
    EXPECT_EQ(row->Name(), "Other");
    EXPECT_FALSE(row->Property());
    EXPECT_FALSE(row->NextVisibleNode());
}

TEST_F(RowsTest, CategoryPiecesFindOnlyCategoryRows) {
    auto owner = ListStandIn::Create();
    auto ab = Add(*owner, "B", "A");
    ASSERT_EQ(ab->GetInternalKey(), "A_B");
    const CategoryLook look{.bold = true, .foreColor = 0xFF, .backColor = 0xFF00, .appearance = 1};
    const std::pair<const char*, const char*> added[] = {
        {"P1", "A_B"}, {"P2", "2024"}, {"P3", " 12 "}, {"P4", "1|2.5"}};
    for (const auto& [name, category] : added) {
        auto property = owner->properties->Add(name, ole::Variant(1), category);
        owner->trees.AddProperty(property, "|", "Misc", look);
    }
    EXPECT_EQ(VisibleNames(owner->trees.Categorized()),
              (std::vector<std::string>{"A", ">B", "A_B", ">P1", "2024", ">P2", "12", ">P3", "1",
                                        ">2.5", ">>P4"}));
    // The property keyed like the category keeps its own look.
    EXPECT_FALSE(ab->GetBold());
    EXPECT_NE(ab->GetForeColor(), 0xFF);
    EXPECT_NE(ab->GetBackColor(), 0xFF00);
    EXPECT_TRUE(owner->trees.Categorized()->CategoryByName("A_B")->Bold());

    // Removing the property leaves the category of the same name.
    owner->trees.RemoveProperty("A_B");
    EXPECT_TRUE(owner->trees.Categorized()->CategoryByName("A_B"));
    EXPECT_FALSE(owner->trees.Categorized()->CategoryByName("A"));
    owner->trees.Clear();
    owner->properties->Clear();
}

// A row made from a property shows it only while the collection holds it, and afterwards what
// the collection holds under the row's key, as a row that looks its property up would.
TEST_F(RowsTest, ARowShowsItsPropertyOnlyWhileTheCollectionHoldsIt) {
    auto owner = ListStandIn::Create();
    auto width = Add(*owner, "Width", "Size");
    const auto row = owner->trees.Alphabetic()->ItemByKey("Size_Width");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Property().Get(), width.Get());
    owner->properties->Remove(ole::Variant("Size_Width"));
    EXPECT_FALSE(row->Property());
    EXPECT_EQ(row->Key(), "Size_Width");
    auto again = owner->properties->Add("Width", ole::Variant(2), "Size");
    EXPECT_EQ(row->Property().Get(), again.Get());
    owner->properties->Clear();
    EXPECT_FALSE(row->Property());
    // A row given another key no longer shows the property it was made from.
    Add(*owner, "Height", "Size");
    const auto other = owner->trees.Alphabetic()->ItemByKey("Size_Height");
    other->SetKey("Elsewhere");
    EXPECT_FALSE(other->Property());
    EXPECT_EQ(owner->trees.Alphabetic()->ItemByKey("Elsewhere").Get(), other.Get());
    owner->trees.Clear();
    owner->properties->Clear();
}

// A row whose property the collection let go, unlooked-up since it was made, still holds its key
// against a new property of that key.
TEST_F(RowsTest, ARowOfAPropertyLetGoStillHoldsItsKey) {
    auto owner = ListStandIn::Create();
    Add(*owner, "Width", "Size");
    owner->properties->Remove(ole::Variant("Size_Width"));
    Add(*owner, "WIDTH", "size");
    EXPECT_EQ(owner->trees.Alphabetic()->Count(), 1);
    EXPECT_EQ(owner->trees.Categorized()->Count(), 2);
    owner->trees.Clear();
    owner->properties->Clear();
}

// Seeded runs of adds, removals, re-keyings, clears and lookups: each tree holds one property row
// per key at most and finds by key exactly the row a plain walk finds.
TEST_F(RowsTest, KeyLookupsAgreeWithAPlainWalkThroughRandomChanges) {
    std::mt19937 random(20261210);
    auto owner = ListStandIn::Create();
    std::vector<std::string> keys;
    for (int i = 0; i < 5; ++i) {
        const std::string name = (i == 4 ? "ITEM" : "Item") + std::to_string(i % 4);
        keys.push_back("G" + std::to_string(i % 2) + "_" + name);
    }
    // The one property row of that key, or null; two are a fault.
    const auto walkFind = [](const ole::Ptr<CNodes>& tree, const std::string& key) {
        ole::Ptr<CNode> found;
        for (const auto& row : tree->Snapshot()) {
            if (row->NodeType() == NodeKind::Property && base::EqualsNoCase(row->Key(), key)) {
                EXPECT_FALSE(found) << key;
                found = row;
            }
        }
        return found;
    };
    for (int step = 0; step < 2000; ++step) {
        const std::string& key = keys[random() % keys.size()];
        const size_t split = key.find('_');
        switch (random() % 8) {
        case 0:
        case 1:
        case 2:
            try {
                Add(*owner, key.substr(split + 1), key.substr(0, split));
            } catch (const ole::Error&) {
            }
            break;
        case 3:
            if (owner->properties->Item(ole::Variant(key)))
                owner->properties->Remove(ole::Variant(key));
            owner->trees.RemoveProperty(key);
            break;
        case 4:
            // The collection alone lets go; the rows stay.
            if (owner->properties->Item(ole::Variant(key)))
                owner->properties->Remove(ole::Variant(key));
            break;
        case 5:
            if (auto row = walkFind(owner->trees.Alphabetic(), key))
                row->SetKey(keys[random() % keys.size()] + "x");
            break;
        case 6:
            if (random() % 3 == 0) {
                owner->trees.Clear();
                owner->properties->Clear();
            }
            break;
        default:
            owner->trees.Categorized()->ItemByKey(key);
            break;
        }
        // Lookups now and then only, so rows made in between wait for them.
        if (random() % 8 != 0)
            continue;
        for (const auto& tree : {owner->trees.Alphabetic(), owner->trees.Categorized()}) {
            for (const auto& probe : keys) {
                ASSERT_EQ(tree->ItemByKey(probe).Get(), walkFind(tree, probe).Get())
                    << step << " " << probe;
            }
        }
    }
    owner->trees.Clear();
    owner->properties->Clear();
}

} // namespace
} // namespace rowstest

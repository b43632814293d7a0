#include "platform/ole/collection/FoldedKeyIndex.h"

#include "platform/base/TextCase.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Item {
    std::string key;
};
struct KeyOf {
    const std::string& operator()(const Item& item) const { return item.key; }
};
using Index = ole::FoldedKeyIndex<Item, KeyOf>;

TEST(FoldedKeyIndexTest, FindsWithoutRegardToCaseAndRefusesADuplicate) {
    Index index;
    Item size{"Size"};
    Item other{"SIZE"};
    EXPECT_EQ(index.Find("size"), nullptr);
    EXPECT_TRUE(index.Insert(&size));
    EXPECT_FALSE(index.Insert(&other));
    EXPECT_EQ(index.Find("sIzE"), &size);
    EXPECT_EQ(index.Find("Size "), nullptr);
    // Only the very item goes, not another of the same key.
    index.Erase(&other);
    EXPECT_EQ(index.Find("size"), &size);
    index.Erase(&size);
    EXPECT_EQ(index.Find("size"), nullptr);
    EXPECT_EQ(index.Size(), 0u);
}

// Long seeded runs of inserts, erases and reserves, checked against a plain map after every step:
// the runs that erasing shifts back must keep every remaining item findable.
TEST(FoldedKeyIndexTest, StaysInStepWithAPlainMapThroughRandomChanges) {
    std::mt19937 random(20261209);
    std::vector<std::unique_ptr<Item>> items;
    // Every tenth key differs from the one before only in case.
    for (int i = 0; i < 600; ++i) {
        const int n = i % 10 == 9 ? i - 1 : i;
        std::string key = "Group" + std::to_string(n % 7) + "_Item" + std::to_string(n);
        if (n != i)
            key = "GROUP" + key.substr(5);
        items.push_back(std::make_unique<Item>(Item{key}));
    }
    Index index;
    std::map<std::string, Item*> reference;
    for (int step = 0; step < 5000; ++step) {
        // Room made ahead moves every item to a larger table.
        if (random() % 50 == 0)
            index.Reserve(index.Size() + random() % 200);
        Item* item = items[random() % items.size()].get();
        const std::string folded = base::FoldCase(item->key);
        if (random() % 3 != 0) {
            EXPECT_EQ(index.Insert(item), !reference.contains(folded));
            reference.emplace(folded, item);
        } else {
            index.Erase(item);
            if (const auto stored = reference.find(folded);
                stored != reference.end() && stored->second == item)
                reference.erase(stored);
        }
        ASSERT_EQ(index.Size(), reference.size()) << step;
        for (const auto& probe : items) {
            const std::string folded = base::FoldCase(probe->key);
            const auto found = reference.find(folded);
            ASSERT_EQ(index.Find(folded), found == reference.end() ? nullptr : found->second)
                << step << " " << probe->key;
        }
    }
    index.Clear();
    EXPECT_EQ(index.Find(items[0]->key), nullptr);
}

} // namespace

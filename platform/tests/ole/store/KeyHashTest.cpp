#include "platform/ole/collection/KeyHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using ole::FoldedKeyHash;

TEST(KeyHashTest, KeysEqualWithoutCaseHashAlike) {
    EXPECT_EQ(FoldedKeyHash("Group12_Item7"), FoldedKeyHash("GROUP12_item7"));
    EXPECT_EQ(FoldedKeyHash("\xC3\x84rger"), FoldedKeyHash("\xC3\xA4RGER")); // Ärger, äRGER
    // The Kelvin sign folds to an ASCII "k": the ASCII path must agree with the folded one.
    EXPECT_EQ(FoldedKeyHash("\xE2\x84\xAA"), FoldedKeyHash("K"));
    EXPECT_NE(FoldedKeyHash("Size"), FoldedKeyHash("Size "));
}

// Keys as a property list makes them, spread over as many buckets as keys: no long chains.
TEST(KeyHashTest, PropertyKeysSpreadOverTheBuckets) {
    constexpr size_t kKeys = 100000;
    constexpr size_t kBuckets = 100003;
    std::vector<int> chain(kBuckets);
    for (size_t i = 0; i < kKeys; ++i) {
        const std::string key = "Group" + std::to_string(i % 100) + "_Item" + std::to_string(i);
        ++chain[FoldedKeyHash(key) % kBuckets];
    }
    EXPECT_LE(*std::max_element(chain.begin(), chain.end()), 10);
}

} // namespace

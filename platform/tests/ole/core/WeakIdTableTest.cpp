#include "platform/ole/object/WeakIdTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace {

// Stand-ins for objects: the table only stores and returns the pointers.
ole::Object* Fake(size_t n) {
    alignas(std::max_align_t) static std::array<std::max_align_t, 16> storage;
    return reinterpret_cast<ole::Object*>(&storage[n]);
}

TEST(WeakIdTableTest, FindsEachLiveIdAcrossPagesAndForgetsErasedOnes) {
    ole::WeakIdTable table;
    // Ids on both sides of page boundaries, and one far away.
    const std::array<uint32_t, 5> ids{1, 255, 256, 511, 70000};
    for (size_t i = 0; i < ids.size(); ++i)
        table.Insert(ids[i], Fake(i));
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(table.Find(ids[i]), Fake(i)) << ids[i];
    EXPECT_EQ(table.Find(2), nullptr);
    EXPECT_EQ(table.Find(69999), nullptr);

    // A page whose last id goes is given up; its ids then find nothing, and it comes back for a
    // new id.
    table.Erase(256);
    table.Erase(511);
    table.Erase(511);
    EXPECT_EQ(table.Find(256), nullptr);
    EXPECT_EQ(table.Find(511), nullptr);
    EXPECT_EQ(table.Find(255), Fake(1));
    table.Insert(300, Fake(9));
    EXPECT_EQ(table.Find(300), Fake(9));
    table.Erase(12345);
    EXPECT_EQ(table.Find(70000), Fake(4));
}

} // namespace

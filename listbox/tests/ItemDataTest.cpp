#include "ListBoxFixture.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class ItemDataTest : public ListBoxFixture {
protected:
    void SetUp() override {
        ListBoxFixture::SetUp();
        Host();
    }
    int32_t Count() const { return Get(Id::IdListCount).AsI4(); }
    Variant DataOf(int32_t index) const { return Get(Id::IdItemData, {Variant(index)}); }
};

// Item data lives under the item's text without regard to case, so equal texts share one slot.
TEST_F(ItemDataTest, ItemDataIsKeptByTextAndEqualTextsShareIt) {
    AddItems({"Yes", "No"});
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdAddItemEx, {Variant("yes"), Variant(9)}); }), 457);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(DataOf(0).AsI4(), 1);
    EXPECT_EQ(DataOf(1).AsI4(), 2);
    EXPECT_EQ(Get(Id::IdList, {Variant(-1)}).AsString(), "");
    EXPECT_EQ(ErrorOf([&] { DataOf(-1); }), 5);

    // A second assignment keeps the first value; a plain item can take data once.
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdItemData, Variant(7), {Variant(0)}); }), 457);
    EXPECT_EQ(DataOf(0).AsI4(), 1);
    Call(Id::IdAddItem, {Variant("NO")});
    EXPECT_EQ(DataOf(2).AsI4(), 2);
    // Removing one of two equal texts drops the shared data.
    Call(Id::IdRemoveItem, {Variant(2)});
    EXPECT_EQ(ErrorOf([&] { DataOf(1); }), 5);

    Call(Id::IdClear);
    EXPECT_EQ(Count(), 0);
    Call(Id::IdAddItemEx, {Variant("Yes"), Variant(3)});
    EXPECT_EQ(DataOf(0).AsI4(), 3);

    // An object is kept by reference.
    Call(Id::IdAddItem, {Variant("Object")});
    const ole::Ptr<ole::Object> object = ole::Collection::Create();
    ole::SetPropertyById(Variant(m_extender), Id::IdItemData, Variant(object),
                         std::vector{Variant(1)});
    const Variant held =
        ole::GetObjectPropertyById(Variant(m_extender), Id::IdItemData, std::vector{Variant(1)});
    EXPECT_TRUE(ole::Is(held.AsObject(), object));
}

TEST_F(ItemDataTest, AnAddTheListRefusesLeavesNoDataBehind) {
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdAddItemEx, {Variant("A"), Variant(1), Variant(5)}); }), 5);
    EXPECT_EQ(Count(), 0);
    Call(Id::IdAddItemEx, {Variant("A"), Variant(2)});
    EXPECT_EQ(DataOf(0).AsI4(), 2);
}

TEST_F(ItemDataTest, IndexesAreInsertedAtAndOverflowSixteenBits) {
    AddItems({"B"});
    Call(Id::IdAddItem, {Variant("A"), Variant(0)});
    EXPECT_EQ(Get(Id::IdList, {Variant(0)}).AsString(), "A");
    for (const ole::DISPID id : {Id::IdList, Id::IdItemData})
        EXPECT_EQ(ErrorOf([&] { Get(id, {Variant(70000)}); }), 6);
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdRemoveItem, {Variant(70000)}); }), 6);
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdListIndex, Variant(70000)); }), 6);
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdListIndex, Variant(2)); }), 380);
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdRemoveItem, {Variant(5)}); }), 5);
}

} // namespace
} // namespace rowbox::test

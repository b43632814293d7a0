// The list box driven as a host drives it: members by id and by name, item data, saving.

#include "ListBoxFixture.h"

#include "testsupport/StoredNames.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class ListBoxTest : public ListBoxFixture {
protected:
    void SetUp() override {
        ListBoxFixture::SetUp();
        Host();
    }
    Variant DataOf(int32_t index) const { return Get(Id::IdItemData, {Variant(index)}); }
};

// Each let compares first; the names notified are the keys the control writes.
TEST_F(ListBoxTest, LetsNotifyTheirWrittenKeyOnlyWhenTheValueChanges) {
    EXPECT_EQ(static_cast<uint32_t>(Get(Id::IdBackColor).AsI4()), 0x80000005U);
    // A flat control's own border refuses other styles, and the refusal changes nothing.
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdBorderStyle, Variant(5)); }), 380);
    EXPECT_EQ(Get(Id::IdBorderStyle).AsI4(), ksFixedSingle);
    List().ClearPropertyChangedLog();
    const std::pair<Id, int32_t> lets[] = {{Id::IdAppearance, ks3d},
                                           {Id::IdBackColor, 0x00FF00},
                                           {Id::IdBorderStyle, ksNone},
                                           {Id::IdForeColor, 0x0000FF}};
    for (const auto& [id, value] : lets) {
        Let(id, Variant(value));
        Let(id, Variant(value));
        EXPECT_EQ(Get(id).AsI4(), value);
    }
    auto font = ole::Font::Create();
    font->SetBold(true);
    ole::SetProperty(Variant(m_extender), "Font", Variant(font));
    const auto own =
        ole::PtrCast<ole::Font>(ole::GetObjectProperty(Variant(m_extender), "Font").AsObject());
    EXPECT_FALSE(ole::Is(own, font));
    EXPECT_TRUE(own->Bold());
    EXPECT_EQ(
        List().PropertyChangedLog(),
        (std::vector<std::string>{"Appearance", "Backcolor", "BorderStyle", "Forecolor", "Font"}));
}

// A 3D control keeps any BorderStyle, as its own border is none; going flat with one the flat
// border refuses fails whole. A stored style the flat border refuses leaves the default.
TEST_F(ListBoxTest, ABorderTheFlatControlRefusesChangesNothing) {
    Let(Id::IdAppearance, Variant(int32_t{ks3d}));
    Let(Id::IdBorderStyle, Variant(2));
    win::RECT before{};
    win::GetWindowRect(Combo(), &before);
    List().ClearPropertyChangedLog();
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdAppearance, Variant(int32_t{ksFlat})); }), 380);
    EXPECT_EQ(Get(Id::IdAppearance).AsI4(), ks3d);
    win::RECT after{};
    win::GetWindowRect(Combo(), &after);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(List().PropertyChangedLog().empty());

    const auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("BorderStyle", Variant(5), Variant());
    Host(HostMode::User, bag.Get());
    EXPECT_EQ(Get(Id::IdBorderStyle).AsI4(), ksFixedSingle);
    EXPECT_TRUE(testsupport::StoredNames(*forms::test::TestHost::Save(*m_extender)).empty());
}

// Item data lives under the item's text without regard to case: equal texts share one slot.
TEST_F(ListBoxTest, ItemDataIsKeptByTextAndEqualTextsShareIt) {
    AddItems({"Yes", "No"});
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdAddItemEx, {Variant("yes"), Variant(9)}); }), 457);
    EXPECT_EQ(Get(Id::IdListCount).AsI4(), 2);
    EXPECT_EQ(Get(Id::IdList, {Variant(-1)}).AsString(), "");
    EXPECT_EQ(ErrorOf([&] { DataOf(-1); }), 5);
    EXPECT_EQ(ErrorOf([&] { Let(Id::IdItemData, Variant(7), {Variant(0)}); }), 457);
    EXPECT_EQ(DataOf(0).AsI4(), 1);
    EXPECT_EQ(ErrorOf([&] { DataOf(70000); }), 6);

    // Removing one of two equal texts drops the data they share.
    Call(Id::IdAddItem, {Variant("NO")});
    EXPECT_EQ(DataOf(2).AsI4(), 2);
    Call(Id::IdRemoveItem, {Variant(2)});
    EXPECT_EQ(ErrorOf([&] { DataOf(1); }), 5);

    // After Clear a text can take data again; an object is kept by reference.
    Call(Id::IdClear);
    Call(Id::IdAddItemEx, {Variant("Yes"), Variant(ole::Ptr<ole::Object>(m_recorder))});
    const Variant held =
        ole::GetObjectPropertyById(Variant(m_extender), Id::IdItemData, std::vector{Variant(0)});
    EXPECT_TRUE(ole::Is(held.AsObject(), m_recorder));
}

TEST_F(ListBoxTest, AnAddTheListRefusesLeavesNoDataBehind) {
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdAddItemEx, {Variant("A"), Variant(1), Variant(5)}); }), 5);
    Call(Id::IdAddItemEx, {Variant("A"), Variant(2)});
    EXPECT_EQ(DataOf(0).AsI4(), 2);
}

// A missing item reads as the empty text; its Index must still never reach the data of an item
// whose text is empty, nor leave data for an item that is not there.
TEST_F(ListBoxTest, AnIndexNamingNoItemLeavesItemDataAlone) {
    AddItems({"A"});
    for (const int32_t index : {-1, 1})
        EXPECT_EQ(ErrorOf([&] { Let(Id::IdItemData, Variant(3), {Variant(index)}); }), 5);
    Call(Id::IdAddItemEx, {Variant(""), Variant(7)});
    EXPECT_EQ(ErrorOf([&] { DataOf(2); }), 5);
    EXPECT_EQ(ErrorOf([&] { Call(Id::IdRemoveItem, {Variant(2)}); }), 5);
    EXPECT_EQ(DataOf(1).AsI4(), 7);
}

// Keys are stored in the stored form's order. Items are not stored, so the saved ListIndex names
// an item the loaded list lacks.
TEST_F(ListBoxTest, ChangedKeysRoundTripAndAStoredListIndexOutsideTheListIsIgnored) {
    EXPECT_TRUE(testsupport::StoredNames(*forms::test::TestHost::Save(*m_extender)).empty());
    AddItems({"One", "Two"});
    Let(Id::IdListIndex, Variant(1));
    Let(Id::IdForeColor, Variant(0x00405060));
    List().GetFont()->SetItalic(true);
    Let(Id::IdBorderStyle, Variant(int32_t{ksNone}));
    Let(Id::IdBackColor, Variant(0x00102030));
    Let(Id::IdAppearance, Variant(int32_t{ks3d}));
    const std::vector<uint8_t> bytes = forms::test::TestHost::Save(*m_extender)->ToBytes();
    const ole::Ptr<ole::PropertyBag> bag = ole::PropertyBag::FromBytes(bytes);
    EXPECT_EQ(testsupport::StoredNames(*bag),
              (std::vector<std::string>{"Appearance", "Backcolor", "BorderStyle", "Font",
                                        "Forecolor", "ListIndex"}));
    // ListIndex is stored as the combo box's 16-bit value.
    const Variant storedIndex = bag->ReadProperty("ListIndex", Variant());
    EXPECT_EQ(storedIndex.Type(), ole::VT_I2);
    EXPECT_EQ(storedIndex.AsI2(), 1);

    for (const Variant& stored : {Variant(int16_t{1}), Variant(int32_t{70000})}) {
        bag->WriteProperty("ListIndex", stored, Variant());
        Host(HostMode::User, bag.Get());
        EXPECT_EQ(Get(Id::IdListIndex).AsI4(), -1);
        EXPECT_EQ(Get(Id::IdAppearance).AsI4(), ks3d);
        EXPECT_EQ(Get(Id::IdBackColor).AsI4(), 0x00102030);
        EXPECT_TRUE(List().GetFont()->Italic());
    }
}

} // namespace
} // namespace rowbox::test

#include "ListBoxFixture.h"

#include "testsupport/StoredNames.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"

namespace rowbox::test {
namespace {

using ole::Variant;
using testsupport::StoredNames;

class PersistenceTest : public ListBoxFixture {
protected:
    // Saved, passed through the bag's bytes as a stored form keeps it.
    ole::Ptr<ole::PropertyBag> SaveThroughBytes() const {
        const std::vector<uint8_t> bytes = forms::test::TestHost::Save(*m_extender)->ToBytes();
        return ole::PropertyBag::FromBytes(bytes);
    }
};

TEST_F(PersistenceTest, ANewControlStoresNothing) {
    Host();
    EXPECT_TRUE(StoredNames(*forms::test::TestHost::Save(*m_extender)).empty());
}

// Items are not stored, so the saved ListIndex names an item the loaded list does not have.
TEST_F(PersistenceTest, ChangedKeysRoundTripAndAStoredListIndexOutsideTheListIsIgnored) {
    Host();
    AddItems({"One", "Two"});
    Let(Id::IdAppearance, Variant(int32_t{ks3d}));
    Let(Id::IdBackColor, Variant(0x00102030));
    Let(Id::IdBorderStyle, Variant(int32_t{ksNone}));
    Let(Id::IdForeColor, Variant(0x00405060));
    Let(Id::IdListIndex, Variant(1));
    List().GetFont()->SetItalic(true);
    const ole::Ptr<ole::PropertyBag> bag = SaveThroughBytes();
    EXPECT_EQ(StoredNames(*bag), (std::vector<std::string>{"Appearance", "Backcolor", "BorderStyle",
                                                           "Font", "Forecolor", "ListIndex"}));

    for (const Variant& stored : {Variant(int16_t{1}), Variant(int32_t{70000})}) {
        bag->WriteProperty("ListIndex", stored, Variant());
        Host(HostMode::User, bag.Get());
        EXPECT_EQ(Get(Id::IdListIndex).AsI4(), -1);
        EXPECT_EQ(Get(Id::IdAppearance).AsI4(), ks3d);
        EXPECT_EQ(Get(Id::IdBackColor).AsI4(), 0x00102030);
        EXPECT_EQ(Get(Id::IdBorderStyle).AsI4(), ksNone);
        EXPECT_EQ(Get(Id::IdForeColor).AsI4(), 0x00405060);
        EXPECT_TRUE(List().GetFont()->Italic());
    }
}

} // namespace
} // namespace rowbox::test

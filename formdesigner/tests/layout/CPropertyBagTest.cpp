#include "formdesigner/layout/CPropertyBag.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

class CPropertyBagTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        bag = CPropertyBag::Create();
    }
    void TearDown() override {
        bag = nullptr;
        CleanPlatform::TearDown();
    }
    // The inner bag as its stored bytes read it back, by full key.
    ole::Variant Stored(const std::string& key) {
        return ole::PropertyBag::FromBytes(bag->Contents().AsBytes())
            ->ReadProperty(key, ole::Variant(std::string("absent")));
    }

    ole::Ptr<CPropertyBag> bag;
};

TEST_F(CPropertyBagTest, TheHostsKeysLiveApartFromTheDesigners) {
    bag->WriteProperty("Caption", ole::Variant(std::string("designer")), ole::Variant::Missing());
    bag->SetCustomMode(true);
    bag->WriteProperty("caption", ole::Variant(std::string("host")), ole::Variant::Missing());
    EXPECT_EQ(bag->ReadProperty("CAPTION", ole::Variant::Missing()).AsString(), "host");
    bag->SetCustomMode(false);
    EXPECT_EQ(bag->ReadProperty("Caption", ole::Variant::Missing()).AsString(), "designer");
    EXPECT_EQ(Stored("INT_Caption").AsString(), "designer");
    EXPECT_EQ(Stored("CUS_Caption").AsString(), "host");
}

TEST_F(CPropertyBagTest, DefaultsAndRefusedValues) {
    EXPECT_TRUE(bag->ReadProperty("Absent", ole::Variant::Missing()).IsEmpty());
    EXPECT_EQ(bag->ReadProperty("Absent", ole::Variant(int32_t{7})).AsI4(), 7);
    bag->WriteProperty("Left", ole::Variant(120.0F), ole::Variant(120.0F));
    EXPECT_EQ(Stored("INT_Left").AsString(), "absent");
    bag->WriteProperty("Left", ole::Variant(120.0F), ole::Variant::Missing());
    EXPECT_EQ(Stored("INT_Left").AsR4(), 120.0F);
    EXPECT_EQ(testsupport::ErrorOf([&] {
                  bag->WriteProperty("Self", ole::Variant(ole::Ptr<ole::Object>(bag)),
                                     ole::Variant::Missing());
              }),
              13);
}

// A nested control's bag leaves its parent as it loads, so no level above keeps a copy of it.
TEST_F(CPropertyBagTest, ATakenValueLeavesTheBag) {
    bag->WriteProperty("ControlInfo_1_1", ole::Variant(std::string("child")),
                       ole::Variant::Missing());
    EXPECT_EQ(bag->TakeProperty("ControlInfo_1_1", ole::Variant(std::string())).AsString(),
              "child");
    EXPECT_TRUE(Stored("INT_ControlInfo_1_1").IsEmpty());
    EXPECT_TRUE(bag->TakeProperty("Absent", ole::Variant::Missing()).IsEmpty());
    EXPECT_EQ(Stored("INT_Absent").AsString(), "absent");
}

TEST_F(CPropertyBagTest, OnlyReadAndWriteAreDispatchable) {
    const ole::Variant self{ole::Ptr<ole::Object>(bag)};
    std::array<ole::Variant, 2> write{ole::Variant(std::string("Top")), ole::Variant(int32_t{5})};
    ole::CallMethodById(self, CPropertyBag::IdWriteProperty, write);
    std::array<ole::Variant, 1> read{ole::Variant(std::string("Top"))};
    EXPECT_EQ(ole::CallMethodById(self, CPropertyBag::IdReadProperty, read).AsI4(), 5);
    EXPECT_EQ(testsupport::ErrorOf([&] { ole::GetProperty(self, "Contents"); }), 438);
    EXPECT_EQ(testsupport::ErrorOf([&] { ole::GetProperty(self, "CustomMode"); }), 438);
}

} // namespace
} // namespace layoutdesk::test

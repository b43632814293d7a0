#include "ControlFixture.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/controls/ControlConstants.h"

namespace controlstest {
namespace {

class ControlPersistenceTest : public ControlTest {};

// One non-default value per class, and the classes' member to carry it.
const struct {
    const char* progId;
    const char* member;
    ole::Variant value;
} kSamples[] = {
    {"VB.Frame", "Caption", ole::Variant("Options")},
    {"VB.Line", "X2", ole::Variant(300.0f)},
    {"VB.Shape", "FillStyle", ole::Variant(int16_t{3})},
    {"VB.CommandButton", "Cancel", ole::Variant(true)},
    {"VB.CheckBox", "Value", ole::Variant(int16_t{2})},
    {"VB.OptionButton", "Value", ole::Variant(true)},
    {"VB.ListBox", "Sorted", ole::Variant(true)},
    {"VB.Label", "Alignment", ole::Variant(int16_t{2})},
    {"VB.TextBox", "MaxLength", ole::Variant(int32_t{10})},
    {"VB.PictureBox", "DrawWidth", ole::Variant(int16_t{3})},
    {"VB.VScrollBar", "Max", ole::Variant(int16_t{100})},
    {"VB.HScrollBar", "LargeChange", ole::Variant(int16_t{5})},
};

ole::Ptr<forms::Control> Make(const char* progId) {
    return ole::PtrCast<forms::Control>(ole::ClassRegistry::Create(progId));
}

TEST_F(ControlPersistenceTest, ANewControlStoresNothingAndAChangedOneComesBack) {
    for (const auto& sample : kSamples) {
        const auto fresh = Make(sample.progId);
        ASSERT_TRUE(fresh) << sample.progId;
        const auto empty = ole::PropertyBag::Create();
        fresh->WriteProperties(*empty);
        EXPECT_EQ(empty->Entries().Size(), 0u) << sample.progId;

        const ole::Variant object{ole::Ptr<ole::Object>(fresh)};
        ole::LetProperty(object, sample.member, sample.value);
        ole::LetProperty(object, "Tag", ole::Variant("kept"));
        const auto bag = ole::PropertyBag::Create();
        fresh->WriteProperties(*bag);
        EXPECT_EQ(bag->Entries().Size(), 2u) << sample.progId;

        const auto stored = ole::PropertyBag::FromBytes(bag->ToBytes());
        const auto loaded = Make(sample.progId);
        loaded->ReadProperties(*stored);
        const ole::Variant reloaded{ole::Ptr<ole::Object>(loaded)};
        EXPECT_TRUE(ole::VariantEquals(ole::GetProperty(reloaded, sample.member), sample.value))
            << sample.progId;
        EXPECT_EQ(ole::GetProperty(reloaded, "Tag").AsString(), "kept");
    }
}

TEST_F(ControlPersistenceTest, ASharedMemberIsStoredAfterTheClasssOwnAndTagFirst) {
    const auto shape = Make("VB.Shape");
    const ole::Variant object{ole::Ptr<ole::Object>(shape)};
    ole::LetProperty(object, "DrawMode", ole::Variant(int16_t{7}));
    ole::LetProperty(object, "Shape", ole::Variant(int16_t{2}));
    ole::LetProperty(object, "Tag", ole::Variant("t"));
    const auto bag = ole::PropertyBag::Create();
    shape->WriteProperties(*bag);
    const auto& entries = bag->Entries().Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].first, "Tag");
    EXPECT_EQ(entries[1].first, "Shape");
    EXPECT_EQ(entries[2].first, "DrawMode");
}

TEST_F(ControlPersistenceTest, AStoredValueTheControlRefusesLeavesItAndTheRestAreRead) {
    const auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("Max", ole::Variant(int16_t{50}), ole::Variant::Missing());
    bag->WriteProperty("SmallChange", ole::Variant(int16_t{0}), ole::Variant::Missing());
    bag->WriteProperty("LargeChange", ole::Variant(int16_t{9}), ole::Variant::Missing());
    const auto bar = Make("VB.VScrollBar");
    bar->ReadProperties(*bag);
    const ole::Variant object{ole::Ptr<ole::Object>(bar)};
    EXPECT_EQ(ole::GetProperty(object, "Max").AsI2(), 50);
    EXPECT_EQ(ole::GetProperty(object, "SmallChange").AsI2(), 1);
    EXPECT_EQ(ole::GetProperty(object, "LargeChange").AsI2(), 9);
}

ole::Ptr<ole::Font> FontOf(const ole::Ptr<forms::Control>& control) {
    return ole::PtrCast<ole::Font>(
        control->Invoke(forms::dispid::Font, ole::DISPATCH_PROPERTYGET, {}).AsObject());
}

TEST_F(ControlPersistenceTest, AChangedFontIsStoredAndWinsOverTheNewContainers) {
    const char* const fontClasses[] = {"VB.CommandButton", "VB.CheckBox", "VB.OptionButton",
                                       "VB.Frame",         "VB.ListBox",  "VB.ComboBox",
                                       "VB.Label",         "VB.TextBox",  "VB.PictureBox"};
    int serial = 0;
    for (const char* progId : fontClasses) {
        const auto sited = m_form->Add(progId, "ctlFont" + std::to_string(serial++));
        const auto unchanged = ole::PropertyBag::Create();
        sited->WriteProperties(*unchanged);
        EXPECT_EQ(unchanged->Entries().Size(), 0u) << progId;

        FontOf(sited)->SetBold(true);
        FontOf(sited)->SetName("Courier New");
        const auto bag = ole::PropertyBag::Create();
        sited->WriteProperties(*bag);
        ASSERT_EQ(bag->Entries().Size(), 1u) << progId;

        const auto loaded = Make(progId);
        loaded->ReadProperties(*ole::PropertyBag::FromBytes(bag->ToBytes()));
        Site(loaded, "ctlLoaded" + std::to_string(serial++), {0, 0, 80, 24});
        EXPECT_TRUE(FontOf(loaded)->Bold()) << progId;
        EXPECT_EQ(FontOf(loaded)->Name(), "Courier New") << progId;
    }
}

TEST_F(ControlPersistenceTest, ASitedControlReadsBackIntoItsWindow) {
    const auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("Caption", ole::Variant("&Apply"), ole::Variant(""));
    bag->WriteProperty("Value", ole::Variant(int16_t{1}), ole::Variant(int16_t{0}));
    const auto check = m_form->Add("VB.CheckBox", "chkApply");
    check->ReadProperties(*bag);
    char text[16] = {};
    win::GetWindowTextA(check->Window(), text, sizeof text);
    EXPECT_STREQ(text, "&Apply");
    EXPECT_EQ(win::SendMessageA(check->Window(), win::BM_GETCHECK, 0, 0), 1);
}

} // namespace
} // namespace controlstest

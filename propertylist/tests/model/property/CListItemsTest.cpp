#include "propertylist/model/listitems/CListItems.h"
#include "propertylist/tests/model/property/ModelDoubles.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/picture/Picture.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace attrgrid::test {
namespace {

using ole::Variant;
using testsupport::ErrorOf;

class CListItemsTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        items = CListItems::Create();
        sink = ole::EventSink::Create();
        sink->On(CListItems::ListModified, [this](std::span<Variant>) { ++modified; });
        cookie = ole::ConnectEvents(items, sink);
    }
    void TearDown() override {
        ole::DisconnectEvents(items, cookie);
        sink.Reset();
        items.Reset();
        CleanPlatform::TearDown();
    }
    Variant HostAdd(const char* text, Variant value) {
        Variant args[] = {Variant(text), std::move(value)};
        return ole::CallMethodById(Variant(items), CListItems::IdAdd, args);
    }

    ole::Ptr<CListItems> items;
    ole::Ptr<ole::EventSink> sink;
    uint32_t cookie = 0;
    int modified = 0;
};

TEST_F(CListItemsTest, TextsAreCaseInsensitiveKeysExceptEmptyOnes) {
    HostAdd("True", Variant(true));
    EXPECT_EQ(ErrorOf([&] { HostAdd("true", Variant(false)); }), ole::ERR_DUPLICATE_KEY);
    EXPECT_EQ(items->Count(), 1);
    EXPECT_EQ(modified, 1) << "a refused add raises nothing";

    items->Add("", Variant(1));
    items->Add("", Variant(2));
    EXPECT_EQ(items->Count(), 3);

    items->Add("A", Variant(3));
    items->Remove(4);
    EXPECT_TRUE(items->Add("a", Variant(4))) << "a removed text is free again";

    // Text let does not re-key: the old text stays reserved, the new one is not checked.
    auto first = items->Item(1);
    ole::LetProperty(Variant(first), "Text", Variant("a"));
    EXPECT_EQ(ole::GetPropertyById(Variant(first), CListItem::IdText).AsString(), "a");
    EXPECT_EQ(ErrorOf([&] { items->Add("TRUE", Variant(0)); }), ole::ERR_DUPLICATE_KEY);
}

TEST_F(CListItemsTest, OnlyAddAndRemoveAnnounceAChange) {
    for (const char* text : {"one", "two", "three"})
        items->Add(text, Variant(1));
    modified = 0;
    Variant second[] = {Variant(2)};
    ole::CallMethod(Variant(items), "Remove", second);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(items->Item(2)->GetText(), "three");
    for (int32_t outside : {0, 3}) {
        EXPECT_EQ(ErrorOf([&] { items->Remove(outside); }), ole::ERR_SUBSCRIPT);
        EXPECT_EQ(ErrorOf([&] { items->Item(outside); }), ole::ERR_SUBSCRIPT);
    }
    EXPECT_EQ(modified, 1);

    // Dispatch positions round half to even; text that is not a number is a type mismatch.
    Variant half[] = {Variant(1.5)};
    EXPECT_EQ(ole::GetProperty(ole::CallMethod(Variant(items), "Item", half), "Text").AsString(),
              "three");
    Variant text[] = {Variant("one")};
    EXPECT_EQ(ErrorOf([&] { ole::CallMethod(Variant(items), "Item", text); }),
              ole::ERR_TYPE_MISMATCH);

    ole::CallMethod(Variant(items), "Clear");
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(modified, 1);
    items->Add("one", Variant(1));
    EXPECT_EQ(modified, 2);
}

TEST_F(CListItemsTest, ValuesKeepObjectsAndCopyTheRest) {
    auto picture = ole::Picture::CreateEmpty();
    const Variant added = HostAdd("Pic", Variant(picture));
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(added, "Value"), Variant(picture)));

    Variant plain("abc");
    auto item = items->Add("Plain", plain);
    plain = Variant("changed");
    EXPECT_EQ(item->GetValue().AsString(), "abc");

    // A plain put of an object keeps the object rather than its default value.
    auto other = ole::Picture::CreateEmpty();
    ole::LetProperty(Variant(item), "Value", Variant(other));
    EXPECT_TRUE(ole::Is(item->GetValue(), Variant(other)));

    EXPECT_EQ(items->TextOfValue(Variant(picture)), "Pic");
    EXPECT_EQ(items->TextOfValue(Variant(ole::Picture::CreateEmpty())), "");
    items->Add("Number", Variant(int16_t{5}));
    items->Add("Later", Variant(5.0));
    EXPECT_EQ(items->TextOfValue(Variant(5)), "Later") << "the last equal item wins";
    EXPECT_EQ(items->TextOfValue(Variant("5")), "");
    EXPECT_EQ(items->TextOfValue(Variant::Null()), "");
}

} // namespace
} // namespace attrgrid::test

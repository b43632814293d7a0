#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/object/ObjectProbes.h"

#include <string>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;

namespace {

class CollectionTest : public testsupport::CleanPlatform {
protected:
    // Items "v1".."vN", the first stored under key "12".
    Ptr<Collection> Numbered(int count) {
        auto c = Collection::Create();
        for (int i = 1; i <= count; ++i) {
            c->Append(Variant("v" + std::to_string(i)),
                      i == 1 ? std::optional<std::string>("12") : std::nullopt);
        }
        return c;
    }

    static std::vector<std::string> Texts(const Collection& c) {
        std::vector<std::string> texts;
        for (const Variant& item : c.Snapshot()) {
            texts.push_back(item.AsString());
        }
        return texts;
    }

    static Variant Add(const Ptr<Collection>& c, Variant item, Variant key = Variant::Missing(),
                       Variant before = Variant::Missing(), Variant after = Variant::Missing()) {
        std::vector<Variant> args{std::move(item), std::move(key), std::move(before),
                                  std::move(after)};
        return CallMethod(Variant(c), "Add", args);
    }
};

TEST_F(CollectionTest, TextIsAlwaysAKeyAndANumberAlwaysAPosition) {
    auto c = Numbered(20);
    EXPECT_EQ(c->Item(Variant("12")).AsString(), "v1");
    EXPECT_EQ(c->Item(Variant(int32_t{12})).AsString(), "v12");
    EXPECT_EQ(c->Item(Variant(int16_t{12})).AsString(), "v12");
    EXPECT_EQ(c->Item(Variant(12.0)).AsString(), "v12");
    EXPECT_EQ(c->Item(Variant(Currency{120000})).AsString(), "v12");
    // The C++ API never guesses: a digit key is looked up as a key.
    EXPECT_EQ(c->ItemByKey("12").AsString(), "v1");
    EXPECT_EQ(c->ItemAt(12).AsString(), "v12");
    EXPECT_EQ(ErrorOf([&] { c->ItemByKey("2"); }), ERR_INVALID_CALL);
    // Fractions round half to even.
    EXPECT_EQ(c->Item(Variant(1.5)).AsString(), "v2");
    EXPECT_EQ(c->Item(Variant(2.5)).AsString(), "v2");
    EXPECT_EQ(c->Item(Variant(2.5000001)).AsString(), "v3");
    // Through dispatch, Item is the default member.
    const Variant key("12");
    EXPECT_EQ(GetPropertyById(Variant(c), DISPID_VALUE, std::span(&key, 1)).AsString(), "v1");
    EXPECT_EQ(GetProperty(Variant(c), "Count").AsI4(), 20);
}

TEST_F(CollectionTest, KeysIgnoreCase) {
    auto c = Collection::Create();
    c->Append(Variant(1), "ForeColor");
    EXPECT_EQ(c->ItemByKey("FORECOLOR").AsI4(), 1);
    EXPECT_EQ(c->Item(Variant("forecolor")).AsI4(), 1);
    EXPECT_EQ(ErrorOf([&] { c->Append(Variant(2), "Forecolor"); }), ERR_DUPLICATE_KEY);
    EXPECT_EQ(c->KeyAt(1), "ForeColor");
    c->Remove(Variant("FORECOLOR"));
    EXPECT_EQ(c->Count(), 0);
    EXPECT_FALSE(c->ContainsKey("ForeColor"));
    c->Append(Variant(3), "forecolor"); // the key is free again
    EXPECT_EQ(c->PositionOfKey("FORECOLOR"), 1);
    // Beyond ASCII too, without regard to the machine's locale.
    c->Append(Variant(4), "\xC3\x84rger");                                 // Ärger
    EXPECT_EQ(c->Item(Variant("\xC3\xA4RGER")).AsI4(), 4);                 // äRGER
    c->Append(Variant(5), "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87");             // Ключ
    EXPECT_EQ(c->ItemByKey("\xD0\x9A\xD0\x9B\xD0\xAE\xD0\xA7").AsI4(), 5); // КЛЮЧ
}

TEST_F(CollectionTest, FailuresLeaveTheCollectionUnchanged) {
    auto c = Numbered(3);
    const std::vector<std::string> before = Texts(*c);

    EXPECT_EQ(ErrorOf([&] { Add(c, Variant("x"), Variant("12")); }), ERR_DUPLICATE_KEY);
    EXPECT_EQ(ErrorOf([&] { Add(c, Variant("x"), Variant::Missing(), Variant("nokey")); }),
              ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { Add(c, Variant("x"), Variant::Missing(), Variant(int32_t{4})); }),
              ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] {
                  Add(c, Variant("x"), Variant::Missing(), Variant::Missing(), Variant(int32_t{0}));
              }),
              ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] {
                  Add(c, Variant("x"), Variant::Missing(), Variant(int32_t{1}),
                      Variant(int32_t{1}));
              }),
              ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { Add(c, Variant("x"), Variant(int32_t{7})); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { c->Item(Variant(int32_t{0})); }), ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] { c->Item(Variant(int32_t{4})); }), ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] { c->Item(Variant(true)); }), ERR_SUBSCRIPT); // True is -1
    EXPECT_EQ(ErrorOf([&] { c->Item(Variant(1e300)); }), ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] { c->Item(Variant("nokey")); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { c->Remove(Variant("nokey")); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { c->Remove(Variant(int32_t{-1})); }), ERR_SUBSCRIPT);
    EXPECT_EQ(ErrorOf([&] { c->InsertAt(5, Variant("x")); }), ERR_SUBSCRIPT);

    EXPECT_EQ(Texts(*c), before);
    EXPECT_EQ(c->ItemByKey("12").AsString(), "v1");
}

TEST_F(CollectionTest, AddPlacesBeforeOrAfterByPositionOrKey) {
    auto c = Collection::Create();
    Add(c, Variant("b"), Variant("kb"));
    Add(c, Variant("d"));
    Add(c, Variant("a"), Variant("ka"), Variant(int32_t{1}));
    Add(c, Variant("c"), Variant::Missing(), Variant::Missing(), Variant("KB"));
    Add(c, Variant("e"), Variant::Missing(), Variant::Missing(), Variant(int32_t{4}));
    Add(c, Variant("a0"), Variant::Missing(), Variant("ka"));
    EXPECT_EQ(Texts(*c), (std::vector<std::string>{"a0", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(c->PositionOfKey("kb"), 3);

    c->Remove(Variant(int32_t{1}));
    c->Remove(Variant("kb"));
    EXPECT_EQ(Texts(*c), (std::vector<std::string>{"a", "c", "d", "e"}));
    EXPECT_EQ(c->ItemByKey("ka").AsString(), "a");
}

TEST_F(CollectionTest, OneObjectUnderTwoKeysAndReleasedOnRemoval) {
    const size_t live = LiveObjectCount();
    auto c = Collection::Create();
    {
        auto font = Font::Create();
        c->Append(Variant(font), "first");
        c->Append(Variant(font), "second");
    }
    EXPECT_TRUE(Is(c->ItemByKey("first"), c->ItemByKey("second")));
    c->RemoveByKey("first");
    EXPECT_EQ(c->Count(), 1);
    EXPECT_EQ(LiveObjectCount(), live + 2); // the collection and the font still held once
    c->RemoveAt(1);
    EXPECT_EQ(LiveObjectCount(), live + 1);
}

TEST_F(CollectionTest, EnumerationWalksASnapshotSoRemovalIsSafe) {
    auto c = Numbered(5);
    Ptr<Enumerator> walk = GetEnumerator(Variant(c));
    std::vector<std::string> seen;
    Variant item;
    while (walk->Next(item)) {
        seen.push_back(item.AsString());
        if (c->Count() > 0) {
            c->RemoveAt(1);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"v1", "v2", "v3", "v4", "v5"}));
    EXPECT_EQ(c->Count(), 0);
}

} // namespace

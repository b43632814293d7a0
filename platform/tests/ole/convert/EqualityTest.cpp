#include "ValueObjects.h"

#include "platform/ole/convert/Equality.h"
#include "platform/ole/object/ObjectProbes.h"

#include <gtest/gtest.h>

using namespace ole;

TEST(EqualityTest, NumbersCompareAcrossTypes) {
    EXPECT_TRUE(VariantEquals(Variant(int16_t{3}), Variant(3.0)));
    EXPECT_TRUE(VariantEquals(Variant(true), Variant(-1)));
    EXPECT_TRUE(VariantEquals(Variant(false), Variant(0.0)));
    EXPECT_TRUE(VariantEquals(Variant::FromCurrency(Currency{25000}), Variant(2.5f)));
    EXPECT_TRUE(VariantEquals(Variant::FromDate(2.0), Variant(uint8_t{2})));
    EXPECT_TRUE(VariantEquals(Variant::FromI8(INT64_MAX), Variant::FromI8(INT64_MAX)));
    EXPECT_TRUE(VariantEquals(Variant::FromUI4(4000000000u), Variant(4e9)));
    EXPECT_FALSE(VariantEquals(Variant(0.1f), Variant(0.1))); // different binary values
    EXPECT_FALSE(VariantEquals(Variant::FromCurrency(Currency{1}), Variant(0.0)));
    EXPECT_FALSE(VariantEquals(Variant::FromI8(INT64_MAX), Variant::FromI8(INT64_MAX - 1)));
    EXPECT_FALSE(VariantEquals(Variant(1), Variant(true)));
}

TEST(EqualityTest, TextEmptyNullAndMixedKinds) {
    EXPECT_TRUE(VariantEquals(Variant("abc"), Variant("abc")));
    EXPECT_FALSE(VariantEquals(Variant("abc"), Variant("ABC")));
    EXPECT_FALSE(VariantEquals(Variant("3"), Variant(3)));
    EXPECT_FALSE(VariantEquals(Variant(3), Variant("3")));
    EXPECT_FALSE(VariantEquals(Variant("True"), Variant(true)));
    EXPECT_TRUE(VariantEquals(Variant(), Variant(0)));
    EXPECT_TRUE(VariantEquals(Variant(""), Variant()));
    EXPECT_TRUE(VariantEquals(Variant(), Variant(false)));
    EXPECT_TRUE(VariantEquals(Variant(), Variant()));
    EXPECT_FALSE(VariantEquals(Variant(), Variant(" ")));
    EXPECT_FALSE(VariantEquals(Variant(), Variant(1)));
    EXPECT_FALSE(VariantEquals(Variant::Null(), Variant::Null()));
    EXPECT_FALSE(VariantEquals(Variant::Null(), Variant()));
    EXPECT_FALSE(VariantEquals(Variant(0), Variant::Null()));
    EXPECT_TRUE(VariantEquals(Variant::FromBytes({1, 2}), Variant::FromBytes({1, 2})));
    EXPECT_FALSE(VariantEquals(Variant::FromBytes({1, 2}), Variant::FromBytes({1})));
    EXPECT_FALSE(VariantEquals(Variant::FromBytes({'a'}), Variant("a")));
    EXPECT_TRUE(VariantEquals(Variant::Missing(), Variant::Missing()));
    EXPECT_FALSE(VariantEquals(Variant::FromError(5), Variant(5)));
    Variant target(7);
    EXPECT_TRUE(VariantEquals(Variant::ByRef(target), Variant(7.0)));
}

TEST(EqualityTest, ObjectsEqualOnlyThemselves) {
    const size_t before = LiveObjectCount();
    {
        const Variant a(MakeObject<ValueHolder>(Variant(5)));
        const Variant b(MakeObject<ValueHolder>(Variant(5)));
        const Variant aAgain(a.AsObject());
        EXPECT_TRUE(VariantEquals(a, aAgain));
        EXPECT_FALSE(VariantEquals(a, b));          // same value, different objects
        EXPECT_FALSE(VariantEquals(a, Variant(5))); // never its default value
        EXPECT_FALSE(VariantEquals(Variant(5), a));
        EXPECT_FALSE(VariantEquals(a, Variant::Nothing()));
        EXPECT_FALSE(VariantEquals(a, Variant()));
        EXPECT_TRUE(VariantEquals(Variant::Nothing(), Variant::Nothing()));
        // Never raises, even for an object without a default member.
        const Variant opaque(MakeObject<Opaque>());
        EXPECT_FALSE(VariantEquals(opaque, Variant(3)));
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

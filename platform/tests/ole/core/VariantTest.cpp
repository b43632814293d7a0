#include "testsupport/CleanPlatform.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/HResult.h"
#include "platform/ole/variant/Variant.h"

#include <gtest/gtest.h>

using namespace ole;

TEST(VariantTest, ConstructorsPickTheTypeTheSeamFixes) {
    EXPECT_EQ(Variant().Type(), VT_EMPTY);
    EXPECT_EQ(Variant::Null().Type(), VT_NULL);
    EXPECT_EQ(Variant(int16_t{1}).Type(), VT_I2);
    EXPECT_EQ(Variant(1).Type(), VT_I4);
    EXPECT_EQ(Variant(1.0f).Type(), VT_R4);
    EXPECT_EQ(Variant(1.0).Type(), VT_R8);
    EXPECT_EQ(Variant(true).Type(), VT_BOOL);
    EXPECT_EQ(Variant(uint8_t{1}).Type(), VT_UI1);
    EXPECT_EQ(Variant("x").Type(), VT_BSTR);
    EXPECT_EQ(Variant(std::string_view("x")).Type(), VT_BSTR);
    EXPECT_EQ(Variant::FromCurrency(Currency{12345}).Type(), VT_CY);
    EXPECT_EQ(Variant::FromDate(45000.5).Type(), VT_DATE);
    EXPECT_EQ(Variant::FromBytes({1, 2}).Type(), VT_ARRAY | VT_UI1);
    EXPECT_EQ(Variant::Nothing().Type(), VT_DISPATCH);
    EXPECT_EQ(Variant::FromI8(-5).AsI8(), -5);
    EXPECT_EQ(Variant::FromUI4(0xFFFFFFFFu).AsUI4(), 0xFFFFFFFFu);
    EXPECT_EQ(Variant::FromI1(-3).AsI1(), -3);
    EXPECT_EQ(Variant::FromError(5).AsError(), 5);
    EXPECT_EQ(Variant(true).AsBool(), true);
    EXPECT_EQ(Variant(int16_t{-7}).AsI2(), -7);
    EXPECT_EQ(Variant::FromCurrency(Currency{82500}).AsCurrency(), Currency{82500});
    EXPECT_EQ(Variant::FromBytes({1, 2}).AsBytes(), (std::vector<uint8_t>{1, 2}));
}

TEST(VariantTest, MissingNullNothingAndEmptyAreDistinct) {
    const Variant missing = Variant::Missing();
    EXPECT_EQ(missing.Type(), VT_ERROR);
    EXPECT_EQ(missing.AsError(), DISP_E_PARAMNOTFOUND);
    EXPECT_TRUE(missing.IsMissing());
    EXPECT_FALSE(Variant::FromError(5).IsMissing());
    EXPECT_TRUE(Variant::Nothing().IsObject());
    EXPECT_TRUE(Variant::Nothing().IsNothing());
    EXPECT_FALSE(Variant::Null().IsObject());
    EXPECT_TRUE(Variant().IsEmpty());
    EXPECT_FALSE(Variant("").IsEmpty());
}

TEST(VariantTest, AccessorsOnTheWrongTypeRaiseTypeMismatch) {
    try {
        (void)Variant("12").AsI4();
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 13);
    }
    EXPECT_THROW((void)Variant(int16_t{1}).AsI4(), Error);
    EXPECT_THROW((void)Variant::FromDate(1.0).AsR8(), Error);
    EXPECT_THROW((void)Variant(1).AsObject(), Error);
}

TEST(VariantTest, ByReferenceVariantsReachTheCallersVariable) {
    Variant target(1);
    Variant ref = Variant::ByRef(target);
    EXPECT_TRUE(ref.IsByRef());
    EXPECT_EQ(ref.ValueType(), VT_I4);
    EXPECT_EQ(ref.AsI4(), 1);
    ref.Deref() = Variant("changed");
    EXPECT_EQ(target.AsString(), "changed");
    // A reference to a reference points at the original variable.
    Variant refRef = Variant::ByRef(ref);
    refRef.Deref() = Variant(2.5);
    EXPECT_EQ(target.AsR8(), 2.5);
    EXPECT_TRUE(Variant::ByRef(target).IsIdenticalTo(Variant(2.5)));
    EXPECT_FALSE(Variant(2.5f).IsIdenticalTo(Variant(2.5)));
}

TEST(VariantTest, CopiesAndMovesKeepPayloads) {
    Variant a("text");
    Variant b = a;
    Variant c = std::move(a);
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(b.AsString(), "text");
    EXPECT_EQ(c.AsString(), "text");
    const Variant& alias = c; // self-assignment, through a name the compiler cannot see through
    c = alias;
    EXPECT_EQ(c.AsString(), "text");
    b = Variant::FromBytes({9});
    EXPECT_EQ(b.AsBytes().size(), 1u);
}

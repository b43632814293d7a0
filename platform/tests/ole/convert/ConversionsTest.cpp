#include "ValueObjects.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Format.h"
#include "platform/ole/object/ObjectProbes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ole;
using testsupport::ErrorOf;

TEST(ConversionsTest, WholeNumbersRoundHalfToEven) {
    EXPECT_EQ(CInt(Variant(0.5)), 0);
    EXPECT_EQ(CInt(Variant(1.5)), 2);
    EXPECT_EQ(CInt(Variant(2.5)), 2);
    EXPECT_EQ(CInt(Variant(-2.5)), -2);
    EXPECT_EQ(CInt(Variant(-3.5)), -4);
    EXPECT_EQ(CLng(Variant(2.5000001)), 3);
    EXPECT_EQ(CLng(Variant("2.5")), 2);
    EXPECT_EQ(CLng(Variant(" 3.5 ")), 4);
    EXPECT_EQ(CByte(Variant(254.5)), 254);
    EXPECT_EQ(CLng(Variant::FromCurrency(Currency{25000})), 2); // 2.5
    EXPECT_EQ(CLng(Variant::FromCurrency(Currency{35000})), 4); // 3.5
    EXPECT_EQ(CLng(Variant::FromCurrency(Currency{-25001})), -3);
    EXPECT_EQ(CCur(Variant(1.23455)).scaled, 12346); // nearest, the binary value lies above
    EXPECT_EQ(CCur(Variant("0.00005")).scaled, 0);   // an exact half goes to even
    EXPECT_EQ(CCur(Variant("0.00015")).scaled, 2);
}

TEST(ConversionsTest, RangesOverflowWithSix) {
    EXPECT_EQ(CInt(Variant(32767.0)), 32767);
    EXPECT_EQ(CInt(Variant(-32768.0)), -32768);
    EXPECT_EQ(CInt(Variant(-32768.5)), -32768); // halves to even stay inside
    EXPECT_EQ(ErrorOf([] { CInt(Variant(32767.5)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CInt(Variant(40000)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CByte(Variant(-1)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CByte(Variant(256)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CLng(Variant(2147483648.0)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CLng(Variant("1e10")); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CLng(Variant(std::nan(""))); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CSng(Variant(1e39)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CDbl(Variant("1e400")); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CCur(Variant(1e15)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CDate(Variant(3e6)); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { CInt(Variant::FromUI8(UINT64_MAX)); }), ERR_OVERFLOW);
    EXPECT_EQ(CCur(Variant("922337203685477.5807")).scaled, INT64_MAX);
    EXPECT_EQ(CCur(Variant("-922337203685477.5808")).scaled, INT64_MIN);
    EXPECT_EQ(ErrorOf([] { CCur(Variant("922337203685477.5808")); }), ERR_OVERFLOW);
    EXPECT_EQ(CLng(Variant("&HFFFFFFFF")), -1);
    EXPECT_EQ(ErrorOf([] { CInt(Variant("&HFFFF")); }), ERR_OVERFLOW); // 65535, not -1
    EXPECT_EQ(ErrorOf([] { CLng(Variant("&H100000000")); }), ERR_TYPE_MISMATCH);
}

TEST(ConversionsTest, EmptyNullBooleansAndBadText) {
    EXPECT_EQ(CLng(Variant()), 0);
    EXPECT_EQ(CDbl(Variant()), 0.0);
    EXPECT_EQ(CStr(Variant()), "");
    EXPECT_FALSE(CBool(Variant()));
    EXPECT_EQ(CInt(Variant(true)), -1);
    EXPECT_EQ(CDbl(Variant(false)), 0.0);
    EXPECT_EQ(CCur(Variant(true)).scaled, -10000);
    for (const auto& convert :
         {+[](const Variant& v) { CLng(v); }, +[](const Variant& v) { CStr(v); },
          +[](const Variant& v) { CBool(v); }, +[](const Variant& v) { CDate(v); },
          +[](const Variant& v) { CCur(v); }}) {
        EXPECT_EQ(ErrorOf([&] { convert(Variant::Null()); }), ERR_INVALID_NULL);
    }
    for (const char* text : {"abc", "1,000", "$5", "1e", ".", ""}) {
        EXPECT_EQ(ErrorOf([&] { CDbl(Variant(text)); }), ERR_TYPE_MISMATCH) << text;
    }
    for (const VARTYPE vt : {VT_I4, VT_BSTR, VT_BOOL, VT_DATE, VT_R8}) {
        EXPECT_EQ(ErrorOf([&] { ChangeType(Variant::Missing(), vt); }), ERR_TYPE_MISMATCH) << vt;
    }
    EXPECT_EQ(ErrorOf([] { CLng(Variant::FromBytes({1})); }), ERR_TYPE_MISMATCH);
}

TEST(ConversionsTest, BooleanConversion) {
    EXPECT_TRUE(CBool(Variant("True")));
    EXPECT_TRUE(CBool(Variant(" tRuE ")));
    EXPECT_FALSE(CBool(Variant("FALSE")));
    EXPECT_TRUE(CBool(Variant("-1")));
    EXPECT_TRUE(CBool(Variant("0.5")));
    EXPECT_FALSE(CBool(Variant("0")));
    EXPECT_TRUE(CBool(Variant(0.001)));
    EXPECT_FALSE(CBool(Variant::FromCurrency(Currency{0})));
    EXPECT_TRUE(CBool(Variant::FromDate(1.0)));
    EXPECT_EQ(ErrorOf([] { CBool(Variant("yes")); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { CBool(Variant("Truely")); }), ERR_TYPE_MISMATCH);
}

TEST(ConversionsTest, StandardTextOfEveryType) {
    EXPECT_EQ(CStr(Variant(true)), "True");
    EXPECT_EQ(CStr(Variant(int16_t{-5})), "-5");
    EXPECT_EQ(CStr(Variant(1.5)), "1.5");
    EXPECT_EQ(CStr(Variant(1e20)), "1E+20");
    EXPECT_EQ(CStr(Variant(0.1f)), "0.1");
    EXPECT_EQ(CStr(Variant::FromCurrency(Currency{12345})), "1.2345");
    EXPECT_EQ(CStr(Variant::FromDate(45000.5)), "3/15/2023 12:00:00 PM");
    EXPECT_EQ(CStr(Variant::FromUI8(UINT64_MAX)), "18446744073709551615");
    EXPECT_EQ(CStr(Variant::FromI8(INT64_MIN)), "-9223372036854775808");
    EXPECT_EQ(CStr(Variant::FromBytes({'h', 'i'})), "hi");
    EXPECT_EQ(CStr(Variant::FromError(5)), "Error 5");
    EXPECT_EQ(CStr(Variant("x")), "x");
    EXPECT_EQ(ErrorOf([] { CStr(Variant::FromDate(1e7)); }), ERR_OVERFLOW);
}

TEST(ConversionsTest, DatesFromTextAndNumbers) {
    EXPECT_EQ(CDate(Variant("13/1/2024")), 45304.0); // 13 January 2024
    EXPECT_EQ(CDate(Variant(45000)), 45000.0);
    EXPECT_EQ(CDate(Variant("3:00 PM")), 0.625);
    EXPECT_EQ(CDate(Variant()), 0.0);
    EXPECT_EQ(ErrorOf([] { CDate(Variant("2/30/2024")); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { CDate(Variant("45000")); }), ERR_TYPE_MISMATCH); // numbers are not dates
    EXPECT_EQ(CDbl(Variant::FromDate(45000.25)), 45000.25);
    EXPECT_EQ(CLng(Variant::FromDate(45000.5)), 45000);
}

TEST(ConversionsTest, TheFirstDayKeepsItsTimesAndDatesOutOfRangeRefuseEverywhere) {
    const double firstDayOneAm = CDate(Variant("1/1/100 1:00 AM"));
    EXPECT_NEAR(firstDayOneAm, -657434.0 - 1.0 / 24, 1e-9);
    EXPECT_EQ(CStr(Variant::FromDate(firstDayOneAm)), "1/1/100 1:00:00 AM");
    EXPECT_EQ(CDate(Variant(firstDayOneAm)), firstDayOneAm);
    EXPECT_EQ(Format(Variant(firstDayOneAm), "General Date"), "1/1/100 1:00:00 AM");
    EXPECT_EQ(ErrorOf([] { CDate(Variant(-657435.0)); }), ERR_OVERFLOW);
    for (const double bad : {std::nan(""), -657435.0, 1e7, HUGE_VAL}) {
        EXPECT_EQ(ErrorOf([&] { CDate(Variant::FromDate(bad)); }), ERR_OVERFLOW) << bad;
        EXPECT_EQ(ErrorOf([&] { CStr(Variant::FromDate(bad)); }), ERR_OVERFLOW) << bad;
        EXPECT_EQ(ErrorOf([&] { Format(Variant::FromDate(bad), "General Date"); }), ERR_OVERFLOW);
    }
}

TEST(ConversionsTest, ChangeTypeCoversEveryTarget) {
    const Variant five(5.0);
    EXPECT_EQ(ChangeType(five, VT_I1).AsI1(), 5);
    EXPECT_EQ(ChangeType(five, VT_I2).AsI2(), 5);
    EXPECT_EQ(ChangeType(five, VT_I4).AsI4(), 5);
    EXPECT_EQ(ChangeType(five, VT_I8).AsI8(), 5);
    EXPECT_EQ(ChangeType(five, VT_INT).AsInt(), 5);
    EXPECT_EQ(ChangeType(five, VT_UI1).AsUI1(), 5);
    EXPECT_EQ(ChangeType(five, VT_UI2).AsUI2(), 5);
    EXPECT_EQ(ChangeType(five, VT_UI4).AsUI4(), 5u);
    EXPECT_EQ(ChangeType(five, VT_UI8).AsUI8(), 5u);
    EXPECT_EQ(ChangeType(five, VT_UINT).AsUInt(), 5u);
    EXPECT_EQ(ChangeType(five, VT_R4).AsR4(), 5.0f);
    EXPECT_EQ(ChangeType(five, VT_CY).AsCurrency().scaled, 50000);
    EXPECT_EQ(ChangeType(five, VT_DATE).AsDate(), 5.0);
    EXPECT_EQ(ChangeType(five, VT_BSTR).AsString(), "5");
    EXPECT_TRUE(ChangeType(five, VT_BOOL).AsBool());
    EXPECT_TRUE(ChangeType(five, VT_VARIANT).IsIdenticalTo(five));
    EXPECT_TRUE(ChangeType(five, VT_EMPTY).IsEmpty());
    EXPECT_EQ(ChangeType(Variant(), VT_BSTR).AsString(), "");
    EXPECT_EQ(ChangeType(Variant("ab"), VT_ARRAY | VT_UI1).AsBytes(),
              (std::vector<uint8_t>{'a', 'b'}));
    EXPECT_TRUE(ChangeType(Variant(), VT_DISPATCH).IsNothing());
    EXPECT_EQ(ChangeType(Variant(UINT32_MAX * 1.0), VT_UI4).AsUI4(), UINT32_MAX);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(-1), VT_UI4); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(200), VT_I1); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(5), VT_DISPATCH); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(5), VT_NULL); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(5), VT_ERROR); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant(5), VT_ARRAY | VT_UI1); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { ChangeType(Variant::Null(), VT_I4); }), ERR_INVALID_NULL);
    EXPECT_TRUE(ChangeType(Variant::Null(), VT_NULL).IsNull());
    // By-reference values are read through.
    Variant target(int16_t{7});
    EXPECT_EQ(ChangeType(Variant::ByRef(target), VT_BSTR).AsString(), "7");
}

TEST(ConversionsTest, ObjectsReduceToTheirDefaultValue) {
    const size_t before = LiveObjectCount();
    {
        const Variant holder(MakeObject<ValueHolder>(Variant("42")));
        EXPECT_EQ(CLng(holder), 42);
        EXPECT_EQ(CStr(holder), "42");
        EXPECT_EQ(ChangeType(holder, VT_R8).AsR8(), 42.0);
        // Kept as an object where an object is asked for.
        EXPECT_TRUE(ChangeType(holder, VT_DISPATCH).IsObject());
        const Variant nested(MakeObject<ValueHolder>(holder));
        EXPECT_EQ(CStr(nested), "42");
        const Variant opaque(MakeObject<Opaque>());
        EXPECT_EQ(ErrorOf([&] { CStr(opaque); }), ERR_NO_MEMBER);
        EXPECT_EQ(ErrorOf([] { CStr(Variant::Nothing()); }), ERR_OBJECT_NOT_SET);
        EXPECT_FALSE(IsNumeric(holder));
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(ConversionsTest, TheListedValueTests) {
    for (const char* text : {"12", " -1.5e3 ", "&HFF"}) {
        EXPECT_TRUE(IsNumeric(Variant(text))) << text;
    }
    for (const char* text : {"1,000", "$5", "1e", "."}) {
        EXPECT_FALSE(IsNumeric(Variant(text))) << text;
    }
    EXPECT_TRUE(CBool(Variant("TRUE")));
    EXPECT_FALSE(CBool(Variant("0")));
    EXPECT_TRUE(CBool(Variant(2)));
    EXPECT_EQ(ErrorOf([] { CBool(Variant("yes")); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([] { CBool(Variant::Null()); }), ERR_INVALID_NULL);
    for (const char* text :
         {"1/2/2024", "2024-01-02", "Tuesday, January 2, 2024", "13/1/2024", "3:05 PM"}) {
        EXPECT_TRUE(IsDate(Variant(text))) << text;
    }
    EXPECT_EQ(CDate(Variant("13/1/2024")), CDate(Variant("2024-01-13")));
    EXPECT_FALSE(IsDate(Variant(5)));
    EXPECT_FALSE(IsDate(Variant("2/30/2024")));
    EXPECT_FALSE(IsDate(Variant()));
    EXPECT_FALSE(IsDate(Variant::Null()));
}

TEST(ConversionsTest, QueriesAndVal) {
    EXPECT_TRUE(IsNumeric(Variant()));
    EXPECT_TRUE(IsNumeric(Variant(true)));
    EXPECT_TRUE(IsNumeric(Variant::FromCurrency(Currency{1})));
    EXPECT_TRUE(IsNumeric(Variant("&HFF")));
    EXPECT_FALSE(IsNumeric(Variant("1,000")));
    EXPECT_FALSE(IsNumeric(Variant::Null()));
    EXPECT_FALSE(IsNumeric(Variant::FromDate(1.0)));
    EXPECT_FALSE(IsNumeric(Variant::Nothing()));
    EXPECT_FALSE(IsNumeric(Variant::Missing()));
    EXPECT_TRUE(IsDate(Variant::FromDate(1.0)));
    EXPECT_TRUE(IsDate(Variant("Dec 31, 2020")));
    EXPECT_FALSE(IsDate(Variant("12")));
    EXPECT_FALSE(IsDate(Variant(12)));
    EXPECT_TRUE(IsMissing(Variant::Missing()));
    EXPECT_FALSE(IsMissing(Variant()));
    EXPECT_TRUE(IsEmpty(Variant()));
    EXPECT_TRUE(IsNull(Variant::Null()));
    EXPECT_TRUE(IsObject(Variant::Nothing()));
    EXPECT_TRUE(IsNothing(Variant::Nothing()));
    EXPECT_FALSE(IsObject(Variant(0)));
    EXPECT_EQ(VarType(Variant(1.5f)), VT_R4);
    EXPECT_EQ(Val(Variant("12abc")), 12);
    EXPECT_EQ(Val(Variant(2.5)), 2.5);
    EXPECT_EQ(Val("  7 "), 7);
    EXPECT_EQ(ErrorOf([] { Val(Variant::Null()); }), ERR_INVALID_NULL);
    EXPECT_EQ(Hex(Variant(-1)), "FFFFFFFF");
    EXPECT_EQ(Hex(Variant(254.5)), "FE");
    EXPECT_EQ(Hex(Variant(4294967295.0)), "FFFFFFFF");
    EXPECT_EQ(ErrorOf([] { Hex(Variant(4294967296.0)); }), ERR_OVERFLOW);
    EXPECT_EQ(Oct(Variant(8)), "10");
}

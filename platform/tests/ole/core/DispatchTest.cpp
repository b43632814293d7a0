#include "Gadget.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/HResult.h"

#include <gtest/gtest.h>

using namespace ole;
using coretest::Gadget;
using testsupport::ErrorOf;

namespace {

class DispatchTest : public testsupport::CleanPlatform {};

} // namespace

TEST_F(DispatchTest, NamesResolveWithoutCaseAndUnknownOnesFail) {
    Ptr<Gadget> g = Gadget::Create();
    EXPECT_EQ(g->GetIDsOfNames("caption"), Gadget::Caption);
    EXPECT_EQ(g->GetIDsOfNames("ITEMDATA"), Gadget::ItemData);
    EXPECT_EQ(g->GetIDsOfNames("Nope"), DISPID_UNKNOWN);
    EXPECT_EQ(ErrorOf([&] { GetProperty(Variant(g), "Nope"); }), 438);
    EXPECT_EQ(ErrorOf([&] { g->Invoke(99, DISPATCH_METHOD, {}); }), 438);
}

TEST_F(DispatchTest, GetLetAndSetAreDistinguished) {
    Ptr<Gadget> g = Gadget::Create();
    Ptr<Gadget> other = Gadget::Create();
    other->SetCaption("inner");
    const Variant target(g);

    // Let with an object stores the object's default value; Set stores the object itself.
    LetProperty(target, "Tag", Variant(other));
    EXPECT_EQ(g->GetTag().AsString(), "inner");
    SetProperty(target, "Tag", Variant(other));
    EXPECT_TRUE(Is(g->GetTag(), Variant(other)));

    // Child has only a set accessor: a let carrying an object is treated as set.
    LetProperty(target, "Child", Variant(other));
    EXPECT_TRUE(Is(g->GetChild(), other));
    EXPECT_EQ(ErrorOf([&] { LetProperty(target, "Child", Variant(5)); }), 450);
    EXPECT_EQ(ErrorOf([&] { SetProperty(target, "Caption", Variant(other)); }), 450);
    EXPECT_EQ(ErrorOf([&] { SetProperty(target, "Remote", Variant("text")); }), 13);

    // Get as value reduces through default members; get as object keeps the reference.
    EXPECT_EQ(GetProperty(target, "Child").AsString(), "inner");
    EXPECT_TRUE(Is(GetObjectProperty(target, "Child"), Variant(other)));
    g->SetChild(nullptr);
    g->LetTag(Variant());
}

TEST_F(DispatchTest, BoundaryErrorsAndArgumentConversion) {
    Ptr<Gadget> g = Gadget::Create();
    const Variant target(g);
    EXPECT_EQ(ErrorOf([&] { LetProperty(target, "Count", Variant(1)); }), 383);
    EXPECT_EQ(ErrorOf([&] { CallMethod(target, "Resize"); }), 450);
    Variant tooMany[] = {Variant(1), Variant(2), Variant(3), Variant(4)};
    EXPECT_EQ(ErrorOf([&] { CallMethod(target, "Resize", tooMany); }), 450);
    Variant notNumber[] = {Variant("wide")};
    EXPECT_EQ(ErrorOf([&] { CallMethod(target, "Resize", notNumber); }), 13);
    Variant notGadget[] = {Variant(Enumerator::Create({}))};
    EXPECT_EQ(ErrorOf([&] { CallMethodById(target, Gadget::Child, {}); }), 0);
    EXPECT_EQ(ErrorOf([&] { SetPropertyById(target, Gadget::Child, notGadget[0]); }), 13);

    // Numeric text and other numeric types convert to the declared parameter types.
    Variant mixed[] = {Variant(" 1.5 "), Variant(2.25f), Variant("3"), Variant(Currency{5000})};
    EXPECT_DOUBLE_EQ(CallMethod(target, "Total", mixed).AsR8(), 7.25);
    EXPECT_EQ(ErrorOf([&] { LetPropertyById(target, Gadget::ItemData, Variant(7), {}); }), 450);
    Variant overflowIndex[] = {Variant(70000)};
    EXPECT_EQ(ErrorOf([&] { GetPropertyById(target, Gadget::ItemData, overflowIndex); }), 6);
}

TEST_F(DispatchTest, OptionalArgumentsTakeCalleeDefaults) {
    Ptr<Gadget> g = Gadget::Create();
    const Variant target(g);
    Variant one[] = {Variant(10)};
    EXPECT_EQ(CallMethod(target, "Resize", one).AsString(), "10x-1:missing");
    Variant skipped[] = {Variant(int16_t{10}), Variant::Missing(), Variant("x")};
    EXPECT_EQ(CallMethod(target, "resize", skipped).AsString(), "10x-1:given");
    Variant all[] = {Variant(1), Variant(2), Variant(3)};
    EXPECT_EQ(CallMethodById(target, Gadget::Resize, all).AsString(), "1x2:given");
    Variant missingRequired[] = {Variant::Missing()};
    EXPECT_EQ(ErrorOf([&] { CallMethod(target, "Resize", missingRequired); }), 450);

    // The table records what the signature and the options declared.
    const MemberInfo* resize = Gadget::Info().FindMember(Gadget::Resize, DISPATCH_METHOD);
    ASSERT_NE(resize, nullptr);
    ASSERT_EQ(resize->params.size(), 3u);
    EXPECT_EQ(resize->params[1].name, "height");
    EXPECT_TRUE(resize->params[1].optional);
    EXPECT_EQ(resize->params[1].defaultValue.AsI4(), -1);
    EXPECT_EQ(resize->params[2].type.vt, VT_VARIANT);
    EXPECT_EQ(resize->returnType.vt, VT_BSTR);
    const MemberInfo* normalize = Gadget::Info().FindMember(Gadget::Normalize, DISPATCH_METHOD);
    ASSERT_NE(normalize, nullptr);
    EXPECT_TRUE(normalize->params[0].byRef);
    EXPECT_FALSE(Gadget::Info().FindMember(Gadget::Count, DISPATCH_PROPERTYPUT));
}

TEST_F(DispatchTest, ByReferenceArgumentsAreWrittenBack) {
    Ptr<Gadget> g = Gadget::Create();
    Variant key("  Name ");
    Variant changed(false);
    Variant args[] = {Variant::ByRef(key), Variant::ByRef(changed)};
    EXPECT_TRUE(CallMethod(Variant(g), "Normalize", args).AsBool());
    EXPECT_EQ(key.AsString(), "Name");
    EXPECT_TRUE(changed.AsBool());

    // A by-value argument is converted for the call and the caller's variable stays as it was.
    Variant number(int16_t{5});
    Variant byValue[] = {number};
    CallMethod(Variant(g), "Normalize", byValue);
    EXPECT_EQ(number.Type(), VT_I2);

    // Variant& parameters write straight into the caller's variables.
    Variant a(1), b("two");
    Variant swap[] = {Variant::ByRef(a), Variant::ByRef(b)};
    CallMethod(Variant(g), "Swap", swap);
    EXPECT_EQ(a.AsString(), "two");
    EXPECT_EQ(b.AsI4(), 1);
}

TEST_F(DispatchTest, IndexedPropertiesAndKindsCombine) {
    Ptr<Gadget> g = Gadget::Create();
    const Variant target(g);
    Variant index[] = {Variant(2)};
    LetProperty(target, "ItemData", Variant(77), index);
    EXPECT_EQ(GetProperty(target, "ItemData", index).AsI4(), 77);
    Variant bad[] = {Variant(9)};
    EXPECT_EQ(ErrorOf([&] { LetProperty(target, "ItemData", Variant(1), bad); }), 9);

    // A get that is also a method call reaches either kind of member.
    EXPECT_EQ(g->Invoke(Gadget::Count, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}).AsI4(), 3);
    EXPECT_TRUE(g->Invoke(Gadget::Reset, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}).IsEmpty());
    EXPECT_EQ(ErrorOf([&] { g->Invoke(Gadget::Reset, DISPATCH_PROPERTYGET, {}); }), 438);
    // DISPID_VALUE is the default member.
    EXPECT_EQ(ReduceToValue(target).AsString(), "gadget");
    EXPECT_EQ(ReduceToValue(Variant(5)).AsI4(), 5);
    EXPECT_EQ(ErrorOf([&] { ReduceToValue(Variant(Enumerator::Create({}))); }), 438);
    EXPECT_EQ(ErrorOf([&] { ReduceToValue(Variant::Nothing()); }), 91);
}

TEST_F(DispatchTest, NamedArgumentsFindTheirParameters) {
    Ptr<Gadget> g = Gadget::Create();
    const Variant target(g);
    Variant widthAndMode[] = {Variant(10), Variant("x")};
    const DISPID modeName[] = {2};
    EXPECT_EQ(
        InvokeNamed(target, Gadget::Resize, DISPATCH_METHOD, widthAndMode, modeName).AsString(),
        "10x-1:given");
    Variant value[] = {Variant("renamed")};
    const DISPID putName[] = {DISPID_PROPERTYPUT};
    InvokeNamed(target, Gadget::Caption, DISPATCH_PROPERTYPUT, value, putName);
    EXPECT_EQ(g->GetCaption(), "renamed");
    Variant index[] = {Variant(1), Variant(55)};
    const DISPID indexAndValue[] = {0, DISPID_PROPERTYPUT};
    InvokeNamed(target, Gadget::ItemData, DISPATCH_PROPERTYPUT, index, indexAndValue);
    EXPECT_EQ(g->GetItemData(1), 55);
    const DISPID unknownName[] = {7};
    EXPECT_EQ(ErrorOf([&] {
                  InvokeNamed(target, Gadget::Resize, DISPATCH_METHOD, widthAndMode, unknownName);
              }),
              450);
}

TEST_F(DispatchTest, CalleeErrorsKeepNumberDescriptionAndSource) {
    Ptr<Gadget> g = Gadget::Create();
    Variant objectDefined[] = {Variant(static_cast<int32_t>(0x80040005))};
    try {
        CallMethod(Variant(g), "Fail", objectDefined);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), static_cast<int32_t>(0x80040005));
        EXPECT_EQ(e.Description(), "Property with this key is already present.");
        EXPECT_EQ(e.Source(), "Attrgrid");
    }
    // A run-time error raised without a source gets the class's library at the boundary.
    Variant runtime[] = {Variant(380)};
    try {
        CallMethod(Variant(g), "Fail", runtime);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 380);
        EXPECT_EQ(e.Description(), "Invalid property value");
        EXPECT_EQ(e.Source(), "Gizmos");
    }
    // Plain C++ exceptions never cross the boundary as such.
    Variant plain[] = {Variant(-1)};
    EXPECT_EQ(ErrorOf([&] { CallMethod(Variant(g), "Fail", plain); }), 440);
    // Late binding on Nothing or a plain value.
    EXPECT_EQ(ErrorOf([&] { GetProperty(Variant::Nothing(), "Caption"); }), 91);
    EXPECT_EQ(ErrorOf([&] { GetProperty(Variant(3), "Caption"); }), 13);
}

TEST_F(DispatchTest, EnumeratorWalksASnapshot) {
    std::vector<Variant> items{Variant(1), Variant("two"), Variant(3.0)};
    Ptr<Enumerator> e = Enumerator::Create(items);
    items.clear();
    Variant item;
    ASSERT_TRUE(e->Next(item));
    EXPECT_EQ(item.AsI4(), 1);
    Ptr<Enumerator> clone = e->Clone();
    EXPECT_TRUE(e->Skip(1));
    EXPECT_EQ(e->Next(5).size(), 1u);
    EXPECT_FALSE(e->Next(item));
    EXPECT_FALSE(e->Skip(1));
    ASSERT_TRUE(clone->Next(item));
    EXPECT_EQ(item.AsString(), "two");
    e->Reset();
    EXPECT_EQ(e->Next(10).size(), 3u);

    // Through dispatch, as a host walks it.
    Variant fetched;
    Variant args[] = {Variant::ByRef(fetched)};
    clone->Reset();
    EXPECT_TRUE(CallMethod(Variant(clone), "Next", args).AsBool());
    EXPECT_EQ(fetched.AsI4(), 1);
}

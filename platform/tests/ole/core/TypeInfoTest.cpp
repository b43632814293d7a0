#include "Showcase.h"
#include "testsupport/CleanPlatform.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/InterfaceDescription.h"
#include "platform/ole/typeinfo/TypeInfoService.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <gtest/gtest.h>

using namespace ole;
using coretest::GizmosServer;
using coretest::Showcase;

namespace {

class TypeInfoTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        GizmosServer().RegisterServer();
    }
    void TearDown() override {
        GizmosServer().UnregisterServer();
        CleanPlatform::TearDown();
    }
};

const FilteredMember& Find(const std::vector<FilteredMember>& members, std::string_view name) {
    for (const FilteredMember& member : members) {
        if (member.name == name)
            return member;
    }
    throw std::runtime_error("no member " + std::string(name));
}

} // namespace

TEST_F(TypeInfoTest, DefaultInterfaceDescribesEveryEditorType) {
    Ptr<Showcase> showcase = Showcase::Create();
    const auto description = InterfaceDescription::FromObject(*showcase);
    ASSERT_TRUE(description);
    EXPECT_EQ(description->Name(), "_Showcase");
    EXPECT_EQ(description->TypeKind(), TKIND_DISPATCH);
    EXPECT_EQ(description->Library().Name(), "Gizmos");
    EXPECT_TRUE(description->Flags() & TYPEFLAG_FDUAL);

    const auto members = description->FilteredMembers();
    const std::pair<const char*, VARTYPE> plain[] = {
        {"Text", VT_BSTR}, {"Small", VT_I2},   {"Large", VT_I4},  {"Single", VT_R4},
        {"Double", VT_R8}, {"Money", VT_CY},   {"When", VT_DATE}, {"Flag", VT_BOOL},
        {"Byte", VT_UI1},  {"Tag", VT_VARIANT}};
    for (const auto& [name, vt] : plain) {
        const FilteredMember& member = Find(members, name);
        EXPECT_EQ(member.valueType.varType, vt) << name;
        EXPECT_FALSE(member.valueType.cannotBeShown) << name;
    }
    // The alias resolves to its base type and keeps its name.
    const FilteredMember& backColor = Find(members, "BackColor");
    EXPECT_EQ(backColor.valueType.varType, 19);
    EXPECT_EQ(backColor.valueType.typeName, "OLE_COLOR");

    const FilteredMember& border = Find(members, "BorderStyle");
    EXPECT_EQ(border.valueType.varType, 0);
    EXPECT_EQ(border.valueType.typeKind, TKIND_ENUM);
    ASSERT_EQ(border.valueType.constants.size(), 2u);
    EXPECT_EQ(border.valueType.constants[1].name, "Fixed Single");
    EXPECT_EQ(border.valueType.constants[1].value, 1);

    for (const char* named : {"Font", "Picture"}) {
        const FilteredMember& member = Find(members, named);
        EXPECT_EQ(member.valueType.varType, 0) << named;
        EXPECT_EQ(member.valueType.typeName, named);
        EXPECT_FALSE(member.valueType.cannotBeShown);
    }
    EXPECT_TRUE(Find(members, "Blob").valueType.cannotBeShown);
    EXPECT_EQ(Find(members, "Text").helpString, "Caption text");
}

TEST_F(TypeInfoTest, FilteredMembersSumAccessorKindsAndFlagSkips) {
    Ptr<Showcase> showcase = Showcase::Create();
    const auto description = InterfaceDescription::FromObject(*showcase);
    ASSERT_TRUE(description);
    const auto members = description->FilteredMembers();
    ASSERT_EQ(members.size(), 18u);
    EXPECT_EQ(members.front().name, "Text");
    EXPECT_EQ(members.back().name, "Refresh");
    EXPECT_EQ(Find(members, "Text").invokeKinds, 6);
    EXPECT_EQ(Find(members, "Font").invokeKinds, 10);
    EXPECT_EQ(Find(members, "Tag").invokeKinds, 14);
    EXPECT_EQ(Find(members, "Count").invokeKinds, 2);
    EXPECT_EQ(Find(members, "Refresh").invokeKinds, 1);
    EXPECT_TRUE(Find(members, "Secret").skip);
    EXPECT_TRUE(Find(members, "Refresh").skip);
    EXPECT_FALSE(Find(members, "Count").skip);

    // Members lists every accessor; a put's value is its last parameter.
    const auto accessors = description->Members();
    EXPECT_EQ(accessors.size(), 33u);
    EXPECT_EQ(accessors[1].invokeKind, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(accessors[1].returnType.varType, VT_VOID);
    ASSERT_EQ(accessors[1].params.size(), 1u);
    EXPECT_EQ(accessors[1].params[0].type.varType, VT_BSTR);
}

TEST_F(TypeInfoTest, ServiceObjectByClassIdAnswersThroughDispatch) {
    Ptr<Object> service = ClassRegistry::Create(CLSID_TypeInfoService);
    ASSERT_TRUE(service);
    const Variant target(service);
    Variant object[] = {Variant(Showcase::Create())};
    const Variant info = CallMethod(target, "InterfaceInfoFromObject", object);
    EXPECT_EQ(GetProperty(info, "Name").AsString(), "_Showcase");
    EXPECT_EQ(GetProperty(info, "TypeKind").AsI4(), 4);
    EXPECT_EQ(GetProperty(info, "LibraryName").AsString(), "Gizmos");
    EXPECT_EQ(GetProperty(info, "LibraryGuid").AsString(), coretest::kGizmosLibrary);

    const Variant filtered = GetObjectProperty(info, "FilteredMembers");
    EXPECT_EQ(GetProperty(filtered, "Count").AsI4(), 18);
    Variant tenth[] = {Variant(10)};
    const Variant backColor = GetObjectProperty(filtered, "Item", tenth);
    EXPECT_EQ(GetProperty(backColor, "Name").AsString(), "BackColor");
    EXPECT_EQ(GetProperty(backColor, "InvokeKinds").AsI4(), 6);
    const Variant type = GetObjectProperty(backColor, "ReturnType");
    EXPECT_EQ(GetProperty(type, "VarType").AsI4(), 19);

    // A class in no registered library has no type information.
    Variant unknown[] = {Variant(service)};
    EXPECT_TRUE(CallMethod(target, "InterfaceInfoFromObject", unknown).IsNothing());
    GizmosServer().UnregisterServer();
    Variant unregistered[] = {Variant(Showcase::Create())};
    EXPECT_TRUE(CallMethod(target, "InterfaceInfoFromObject", unregistered).IsNothing());
}

TEST_F(TypeInfoTest, LibrariesLoadByIdentityAndFindTypesWithoutCase) {
    const Guid gizmos = Guid::FromString(coretest::kGizmosLibrary);
    EXPECT_TRUE(TypeLibraryRegistry::Load(gizmos, 1, 0, 0));
    EXPECT_FALSE(TypeLibraryRegistry::Load(gizmos, 2, 0, 0));
    const TypeDescription* border = TypeLibraryRegistry::FindType("GZBORDERSTYLE");
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->kind, TKIND_ENUM);
    const TypeDescription* color = TypeLibraryRegistry::FindType("ole_color");
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->kind, TKIND_ALIAS);
    EXPECT_EQ(color->aliasOf, VT_UI4);

    Ptr<Object> service = ClassRegistry::Create(CLSID_TypeInfoService);
    Variant identity[] = {Variant(coretest::kGizmosLibrary), Variant(int16_t{1}),
                          Variant(int16_t{0}), Variant(0)};
    const Variant library = CallMethod(Variant(service), "TypeLibInfoFromRegistry", identity);
    EXPECT_EQ(GetProperty(library, "Name").AsString(), "Gizmos");
    Variant name[] = {Variant("gzborderstyle")};
    const Variant found = CallMethod(library, "FindType", name);
    EXPECT_EQ(GetProperty(found, "TypeKind").AsI4(), TKIND_ENUM);
    const Variant constants = GetObjectProperty(found, "Constants");
    Variant first[] = {Variant(1)};
    EXPECT_EQ(GetProperty(constants, "Item", first).AsString(), "None");

    // The coclass lists its default and source interfaces; its dispatch view is the interface.
    const TypeDescription* coclass = TypeLibraryRegistry::FindType("Showcase");
    ASSERT_NE(coclass, nullptr);
    EXPECT_EQ(coclass->kind, TKIND_COCLASS);
    EXPECT_EQ(InterfaceDescription::FromType(*coclass).DispatchView().Name(), "_Showcase");
    // The standard types hold the font and picture classes.
    const TypeDescription* font = TypeLibraryRegistry::FindType("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->library->Name(), "StdTypes");
}

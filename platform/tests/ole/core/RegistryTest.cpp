#include "Showcase.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/object/TypeName.h"
#include "platform/ole/registry/ClassFactory.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeInfoService.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

using namespace ole;
using coretest::GizmosServer;
using coretest::Showcase;
using testsupport::ErrorOf;

namespace {

class RegistryTest : public testsupport::CleanPlatform {};

} // namespace

TEST_F(RegistryTest, ClassesAreCreatedByProgIdOrClassId) {
    const Guid clsid = Guid::FromString(coretest::kShowcaseClsid);
    RegisterClass(
        "Gizmos.Showcase", clsid, [] { return Ptr<Object>(Showcase::Create()); },
        &Showcase::Info());
    EXPECT_EQ(TypeName(ClassRegistry::Create("gizmos.SHOWCASE").Get()), "Showcase");
    EXPECT_TRUE(ClassRegistry::Create(clsid));
    EXPECT_TRUE(ClassRegistry::Create("{7a41c2d0-6e3b-4f59-8c21-0d9e4b7a3f61}"));
    EXPECT_EQ(ClassIdOf(*ClassRegistry::Create(clsid)), "Gizmos.Showcase");
    EXPECT_EQ(ErrorOf([] { ClassRegistry::Create("Gizmos.Nothing"); }), 711);
    EXPECT_EQ(ErrorOf([] { ClassRegistry::Create("{not a guid}"); }), 711);

    // Re-registering a ProgID replaces the earlier entry.
    ClassFlags notCreatable;
    notCreatable.creatable = false;
    RegisterClass("GIZMOS.SHOWCASE", clsid, nullptr, &Showcase::Info(), notCreatable);
    EXPECT_EQ(ErrorOf([] { ClassRegistry::Create("Gizmos.Showcase"); }), 5);
    ClassRegistry::Unregister(clsid);
    EXPECT_EQ(ClassRegistry::Find("Gizmos.Showcase"), nullptr);
}

TEST_F(RegistryTest, APlatformResetForgetsRegisteredClassesAndRestoresTheBuiltIns) {
    RegisterClass(
        "Gizmos.Showcase", Guid::FromString(coretest::kShowcaseClsid),
        [] { return Ptr<Object>(Showcase::Create()); }, &Showcase::Info());
    const Guid service = Guid::FromString(CLSID_TypeInfoService);
    ClassRegistry::Unregister(service);
    win::test::resetPlatform();
    EXPECT_EQ(ClassRegistry::Find("Gizmos.Showcase"), nullptr);
    EXPECT_NE(ClassRegistry::Find(service), nullptr);
}

TEST_F(RegistryTest, LibraryExportsServeFactoriesAndCountLiveObjects) {
    LibraryServer& server = GizmosServer();
    const Guid clsid = Guid::FromString(coretest::kShowcaseClsid);
    Ptr<Object> factory;
    EXPECT_EQ(server.GetClassObject(Guid::FromString("{00000000-0000-0000-0000-00000000000A}"),
                                    IID_IClassFactory, factory),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(server.GetClassObject(clsid, Showcase::Info().InterfaceId(), factory), E_NOINTERFACE);
    ASSERT_EQ(server.GetClassObject(clsid, IID_IClassFactory, factory), S_OK);
    EXPECT_EQ(server.CanUnloadNow(), S_OK);

    Variant instance = CallMethod(Variant(factory), "CreateInstance");
    EXPECT_EQ(TypeName(instance), "Showcase");
    EXPECT_EQ(server.LiveObjectCount(), 1u);
    EXPECT_EQ(server.CanUnloadNow(), S_FALSE);
    instance = Variant();
    EXPECT_EQ(server.CanUnloadNow(), S_OK);

    PtrCast<ClassFactory>(factory)->LockServer(true);
    EXPECT_EQ(server.CanUnloadNow(), S_FALSE);
    PtrCast<ClassFactory>(factory)->LockServer(false);
    EXPECT_EQ(server.CanUnloadNow(), S_OK);
    factory.Reset();

    // Registration publishes the classes and the type library; unregistration withdraws both.
    EXPECT_EQ(server.RegisterServer(), S_OK);
    Ptr<Object> created = ClassRegistry::Create("Gizmos.Showcase");
    EXPECT_EQ(server.CanUnloadNow(), S_FALSE);
    EXPECT_TRUE(TypeLibraryRegistry::FindByName("gizmos"));
    created.Reset();
    EXPECT_EQ(server.UnregisterServer(), S_OK);
    EXPECT_FALSE(TypeLibraryRegistry::FindByName("Gizmos"));
    EXPECT_EQ(ErrorOf([] { ClassRegistry::Create("Gizmos.Showcase"); }), 711);
    EXPECT_EQ(server.CanUnloadNow(), S_OK);
}

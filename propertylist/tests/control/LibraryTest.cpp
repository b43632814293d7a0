// libAttrgrid.so as a host meets it: loaded by name or by ProgID, its classes and type library
// registered, its control sited on a form and driven late-bound, and unloaded when nothing of it
// lives. No class of the library is registered statically in these tests.

#include "StandIns.h"

#include "propertylist/library/AttrgridTypes.h"

#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace attrgrid::test {
namespace {

using forms::ControlLibraries;
using testsupport::ErrorOf;

constexpr const char* kProgId = "Attrgrid.ZAVeravuvuDudu";

class LibraryTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        RegisterStandIns();
        try {
            m_module = ControlLibraries::Load("Attrgrid");
        } catch (const ole::Error& error) {
            GTEST_SKIP() << "libAttrgrid.so does not load: " << error.Description();
        }
    }
    void TearDown() override {
        ControlLibraries::FreeUnused();
        EXPECT_FALSE(ControlLibraries::IsLoaded("Attrgrid"));
        CleanPlatform::TearDown();
    }

    win::HMODULE m_module;
};

TEST_F(LibraryTest, ExportsOnlyTheFourEntryPoints) {
    for (const char* name :
         {"DllGetClassObject", "DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"})
        EXPECT_NE(win::GetProcAddress(m_module, name), nullptr) << name;
    EXPECT_EQ(win::GetProcAddress(m_module, "_ZN8attrgrid14ZAVeravuvuDudu6CreateEv"), nullptr);
    EXPECT_EQ(win::GetProcAddress(m_module, "_ZN8attrgrid11CProperties6CreateEv"), nullptr);
}

TEST_F(LibraryTest, RegistersTheControlTheModelAndAFixedTypeLibrary) {
    const ole::ClassRegistration* control = ole::ClassRegistry::Find(kProgId);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->flags.control);
    EXPECT_TRUE(control->flags.creatable);
    ASSERT_NE(control->info, nullptr);
    EXPECT_EQ(control->info->Name(), "ZAVeravuvuDudu");
    EXPECT_EQ(ole::ClassRegistry::Find(control->classId), control);

    // The model is described but only the list makes its objects.
    for (const char* progId : {"Attrgrid.CProperties", "Attrgrid.CProperty", "Attrgrid.CListItems",
                               "Attrgrid.CListItem", "Attrgrid.CEditorListener"}) {
        const ole::ClassRegistration* model = ole::ClassRegistry::Find(progId);
        ASSERT_NE(model, nullptr) << progId;
        EXPECT_FALSE(model->flags.creatable) << progId;
        EXPECT_EQ(ErrorOf([&] { ole::ClassRegistry::Create(progId); }), 5) << progId;
    }

    std::shared_ptr<const ole::TypeLibrary> library =
        ole::TypeLibraryRegistry::Load(AttrgridTypes::LibraryId(), 1, 0, 0);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->Name(), "Attrgrid");
    EXPECT_EQ(library->Lcid(), 0u);
    EXPECT_EQ(ole::TypeLibraryRegistry::FindByName("Attrgrid"), library);
    EXPECT_EQ(ole::TypeLibraryRegistry::LibraryOf(*control->info), library);
    const ole::TypeDescription* treeStyle = library->FindType("ksTreeStyle");
    ASSERT_NE(treeStyle, nullptr);
    EXPECT_EQ(treeStyle->kind, ole::TKIND_ENUM);
    ASSERT_EQ(treeStyle->constants.size(), 4u);
    EXPECT_EQ(treeStyle->constants[3].name, "ksTreeLinesPlusMinusText");
    EXPECT_EQ(treeStyle->constants[3].value, 3);
    for (const char* name : {"ksActiveView", "ksAppearance", "ksBorderStyle", "ksGrid", "ksHeaders",
                             "ksPictureLayout", "ksSortOrder", "ksDrawStage"})
        EXPECT_NE(library->FindType(name), nullptr) << name;
    EXPECT_NE(library->FindClass(*control->info), nullptr);
}

// A form hosts the loaded control by ProgID and drives it by name; the library stays loaded
// while the control lives and goes once the form is unloaded.
TEST_F(LibraryTest, HostedControlWorksLateBoundAndTheLibraryUnloadsAfterIt) {
    ControlLibraries::FreeUnused();
    ASSERT_FALSE(ControlLibraries::IsLoaded("Attrgrid"));
    {
        forms::test::TestHost host;
        ole::Ptr<forms::Extender> extender = host.Host(kProgId, "Grid1", {0, 0, 300, 240});
        ASSERT_TRUE(extender);
        EXPECT_TRUE(ControlLibraries::IsLoaded("Attrgrid"));
        const ole::Variant grid{ole::Ptr<ole::Object>(extender)};
        EXPECT_EQ(ole::GetProperty(grid, "NameCaption").AsString(), "Property");
        ole::LetProperty(grid, "Grid", ole::Variant(int32_t{1}));
        EXPECT_EQ(ole::GetProperty(grid, "Grid").AsI4(), 1);
        EXPECT_NE(ole::GetProperty(grid, "hwnd").AsI4(), 0);

        const ole::Variant properties = ole::GetObjectProperty(grid, "Properties");
        ole::Variant add[] = {ole::Variant("Width"), ole::Variant(int32_t{10}),
                              ole::Variant("Size")};
        ole::CallMethod(properties, "Add", add);
        EXPECT_EQ(ole::GetProperty(properties, "Count").AsI4(), 1);

        // Saved and read back by a second instance of the loaded class.
        ole::Ptr<ole::PropertyBag> bag = forms::test::TestHost::Save(*extender);
        EXPECT_EQ(bag->ReadProperty("Grid", ole::Variant(int32_t{2})).AsI4(), 1);
        ole::Ptr<forms::Extender> second = host.Host(kProgId, "Grid2", {0, 0, 200, 200}, bag.Get());
        EXPECT_EQ(ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(second)), "Grid").AsI4(), 1);

        EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
        host.Unload();
    }
    win::test::pump();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
    EXPECT_EQ(ole::ClassRegistry::Find(kProgId), nullptr);
    EXPECT_FALSE(ole::TypeLibraryRegistry::Load(AttrgridTypes::LibraryId(), 1, 0, 0));
}

// A host that keeps the collection or a property after the form is gone still calls the library's
// code through them, so the library stays loaded until they go.
TEST_F(LibraryTest, KeptPropertiesHoldTheLibraryLoaded) {
    ole::Variant properties;
    ole::Variant property;
    {
        forms::test::TestHost host;
        ole::Ptr<forms::Extender> extender = host.Host(kProgId, "Grid1", {0, 0, 300, 240});
        properties =
            ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(extender)), "Properties");
        ole::Variant add[] = {ole::Variant("Width"), ole::Variant(int32_t{10})};
        property = ole::CallMethod(properties, "Add", add);
        host.Unload();
    }
    win::test::pump();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
    properties = ole::Variant();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
    ole::LetProperty(property, "Value", ole::Variant(int32_t{12}));
    EXPECT_EQ(ole::GetProperty(property, "Value").AsI4(), 12);
    property = ole::Variant();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
}

} // namespace
} // namespace attrgrid::test

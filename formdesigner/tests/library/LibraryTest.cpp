// libLayoutdesk.so as a host meets it: loaded by name, its designer sited on a form by ProgID and
// driven late-bound, and unloaded once nothing of it lives. No class of the library is registered
// statically here.

#include "formdesigner/library/LayoutdeskTypes.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

using forms::ControlLibraries;

constexpr const char* kProgId = "Layoutdesk.ZORudeRuduvozu";

class LibraryTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        try {
            m_module = ControlLibraries::Load("Layoutdesk");
        } catch (const ole::Error& error) {
            FAIL() << "libLayoutdesk.so does not load: " << error.Description();
        }
    }
    void TearDown() override {
        ControlLibraries::FreeUnused();
        EXPECT_FALSE(ControlLibraries::IsLoaded("Layoutdesk"));
        CleanPlatform::TearDown();
    }

    win::HMODULE m_module;
};

TEST_F(LibraryTest, ExportsOnlyTheFourEntryPointsAndDescribesItsTypes) {
    for (const char* name :
         {"DllGetClassObject", "DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"})
        EXPECT_NE(win::GetProcAddress(m_module, name), nullptr) << name;
    EXPECT_EQ(win::GetProcAddress(m_module, "_ZN10layoutdesk14ZORudeRuduvozu6CreateEv"), nullptr);

    const ole::ClassRegistration* control = ole::ClassRegistry::Find(kProgId);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->flags.control);
    for (const char* listener : {"Layoutdesk.IHookListener", "Layoutdesk.cSubclassListener"}) {
        const ole::ClassRegistration* registration = ole::ClassRegistry::Find(listener);
        ASSERT_NE(registration, nullptr) << listener;
        EXPECT_FALSE(registration->flags.creatable);
        EXPECT_EQ(registration->info->Members()[0].id, 0x60030000);
    }

    const ole::ClassRegistration* bag = ole::ClassRegistry::Find("Layoutdesk.CPropertyBag");
    ASSERT_NE(bag, nullptr);
    EXPECT_FALSE(bag->flags.creatable);

    const auto library = ole::TypeLibraryRegistry::Load(LayoutdeskTypes::LibraryId(), 1, 0, 0);
    ASSERT_TRUE(library);
    const struct {
        const char* name;
        std::vector<ole::EnumConstant> constants;
    } enums[] = {
        {"ksMode", {{"ksModeRun", 0}, {"ksModeDraw", 1}, {"ksModeSelect", 2}}},
        {"ksScope", {{"ksScopeThis", 0}, {"ksScopeSelected", 1}, {"ksScopeAll", 2}}},
        {"ksAlignTypes",
         {{"ksAlignLeft", 0},
          {"ksAlignTop", 1},
          {"ksAlignRight", 2},
          {"ksAlignBottom", 3},
          {"ksAlignGrid", 4}}},
        {"ksResizeType",
         {{"ksSizeHorzAbsolute", 0},
          {"ksSizeHorzShrinkToSmallest", 1},
          {"ksSizeHorzExpandToLargest", 2},
          {"ksSizeVertAbsolute", 3},
          {"ksSizeVertShrinkToSmallest", 4},
          {"ksSizeVertExpandToLargest", 5}}},
        {"ksBorderStyle", {{"None", 0}, {"Fixed Single", 1}}},
    };
    for (const auto& expected : enums) {
        const ole::TypeDescription* type = library->FindType(expected.name);
        ASSERT_NE(type, nullptr) << expected.name;
        ASSERT_EQ(type->constants.size(), expected.constants.size()) << expected.name;
        for (size_t i = 0; i < expected.constants.size(); ++i) {
            EXPECT_EQ(type->constants[i].name, expected.constants[i].name);
            EXPECT_EQ(type->constants[i].value, expected.constants[i].value);
        }
    }
}

TEST_F(LibraryTest, HostedDesignerWorksLateBoundAndTheLibraryUnloadsAfterIt) {
    const size_t hooks = win::test::liveHookCount();
    {
        forms::test::TestHost host;
        ole::Ptr<forms::Extender> extender = host.Host(kProgId, "Designer1", {0, 0, 300, 200});
        ASSERT_TRUE(extender);
        host.Show();
        // The CBT and mouse hooks of the running designer.
        EXPECT_EQ(win::test::liveHookCount(), hooks + 2);
        const ole::Variant designer{ole::Ptr<ole::Object>(extender)};
        ole::LetProperty(designer, "Mode", ole::Variant(int32_t{2}));
        EXPECT_EQ(ole::GetPropertyById(designer, 0x68030007).AsI4(), 2);
        EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
        host.Unload();
    }
    win::test::pump();
    EXPECT_EQ(win::test::liveHookCount(), hooks);
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
    EXPECT_EQ(ole::ClassRegistry::Find(kProgId), nullptr);
}

} // namespace
} // namespace layoutdesk::test

// libRowbox.so as a host meets it: loaded by ProgID, its control sited on a form and driven
// late-bound by member id, and unloaded once nothing of it lives.

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/WinConstants.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/window/Tree.h"

#include <gtest/gtest.h>

namespace rowbox::test {
namespace {

using forms::ControlLibraries;
using ole::Variant;

class LibraryTest : public testsupport::CleanPlatform {
protected:
    void TearDown() override {
        ControlLibraries::FreeUnused();
        EXPECT_FALSE(ControlLibraries::IsLoaded("Rowbox"));
        CleanPlatform::TearDown();
    }
};

TEST_F(LibraryTest, HostedByProgIdItIsDrivenByMemberIdsAndTheLibraryUnloadsAfterIt) {
    win::HMODULE module;
    try {
        module = ControlLibraries::Load("Rowbox");
    } catch (const ole::Error& error) {
        GTEST_SKIP() << "libRowbox.so does not load: " << error.Description();
    }
    for (const char* name :
         {"DllGetClassObject", "DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"})
        EXPECT_NE(win::GetProcAddress(module, name), nullptr) << name;
    EXPECT_EQ(win::GetProcAddress(module, "_ZN6rowbox9KSListBox6CreateEv"), nullptr);
    {
        forms::test::TestHost host;
        const Variant list(host.Host("Rowbox.KSListBox", "List1", {10, 10, 130, 34}));
        host.Show();
        Variant add[] = {Variant("Red"), Variant(int32_t{0xFF})};
        ole::CallMethodById(list, 0x60030020, add);
        ole::LetPropertyById(list, 0x6803000F, Variant(0));
        EXPECT_EQ(ole::GetPropertyById(list, 0x6803000D, std::vector{Variant(0)}).AsString(),
                  "Red");
        EXPECT_EQ(ole::GetPropertyById(list, 0x6803000E, std::vector{Variant(0)}).AsI4(), 0xFF);
        const auto hwnd = win::HWND::FromValue(
            static_cast<uint32_t>(ole::GetPropertyById(list, 0x6803000C).AsI4()));
        EXPECT_TRUE(win::GetWindow(hwnd, win::GW_CHILD));
        ole::CallMethodById(list, 0x60030022);
        EXPECT_EQ(ole::GetPropertyById(list, 0x6803000F).AsI4(), -1);
        EXPECT_EQ(testsupport::ErrorOf(
                      [&] { ole::GetPropertyById(list, 0x6803000E, std::vector{Variant(0)}); }),
                  5);
    }
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
}

} // namespace
} // namespace rowbox::test

// libShelfstrip.so as a host meets it: loaded by ProgID, its control sited on a form and driven
// late-bound, and unloaded when nothing of it lives. No class is registered statically here.

#include "testsupport/CleanPlatform.h"

#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

using forms::ControlLibraries;

class LibraryTest : public testsupport::CleanPlatform {
protected:
    void TearDown() override {
        ControlLibraries::FreeUnused();
        EXPECT_FALSE(ControlLibraries::IsLoaded("Shelfstrip"));
        CleanPlatform::TearDown();
    }
};

TEST_F(LibraryTest, AHostCreatesTheBarByProgIdAndDrivesItByName) {
    {
        forms::test::TestHost host;
        const ole::Ptr<forms::Extender> extender =
            host.Host("Shelfstrip.KSButtonBar", "Bar1", {0, 0, 200, 300});
        win::test::pump();
        const ole::Variant bar{ole::Ptr<ole::Object>(extender)};
        const ole::Variant groups = ole::GetObjectProperty(bar, "Groups");
        ole::Variant args[] = {ole::Variant("Tools")};
        ole::CallMethod(groups, "Add", args);
        EXPECT_EQ(ole::CLng(ole::GetProperty(groups, "Count")), 2);
        ole::LetProperty(bar, "ButtonFlow", ole::Variant(1));
        EXPECT_EQ(ole::CLng(ole::GetProperty(bar, "ButtonFlow")), 1);
        EXPECT_TRUE(ControlLibraries::IsLoaded("Shelfstrip"));
        const win::HMODULE module = ControlLibraries::Load("Shelfstrip");
        for (const char* name :
             {"DllGetClassObject", "DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"})
            EXPECT_NE(win::GetProcAddress(module, name), nullptr) << name;
        EXPECT_EQ(win::GetProcAddress(module, "_ZN10shelfstrip11KSButtonBar6CreateEv"), nullptr);
    }
    win::test::pump();
}

TEST_F(LibraryTest, AGroupAHostKeepsHoldsTheLibraryLoaded) {
    ole::Variant kept;
    {
        forms::test::TestHost host;
        const ole::Ptr<forms::Extender> extender =
            host.Host("Shelfstrip.KSButtonBar", "Bar1", {0, 0, 200, 300});
        win::test::pump();
        const ole::Variant bar{ole::Ptr<ole::Object>(extender)};
        kept = ole::GetObjectProperty(bar, "ActiveGroup");
    }
    win::test::pump();
    ControlLibraries::FreeUnused();
    EXPECT_TRUE(ControlLibraries::IsLoaded("Shelfstrip"));
    ole::LetProperty(kept, "Caption", ole::Variant("still here"));
    EXPECT_EQ(ole::CStr(ole::GetProperty(kept, "Caption")), "still here");
    kept = ole::Variant();
}

} // namespace
} // namespace shelfstrip::test

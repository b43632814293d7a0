// libHuechooser.so as a host meets it: the control created by ProgID from the loaded library,
// driven late-bound by name and by id, and the library unloaded once nothing of it lives. No
// class of the library is registered statically here.

#include "colorpicker/control/KSColorPicker.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/kernel/Modules.h"

#include <gtest/gtest.h>

namespace huechooser::test {
namespace {

using forms::ControlLibraries;

class LibraryTest : public testsupport::CleanPlatform {
protected:
    void TearDown() override {
        ControlLibraries::FreeUnused();
        EXPECT_FALSE(ControlLibraries::IsLoaded("Huechooser"));
        CleanPlatform::TearDown();
    }
};

TEST_F(LibraryTest, HostedByProgIdItAnswersByNameAndIdAndTheLibraryUnloadsAfter) {
    const win::HMODULE module = ControlLibraries::Load("Huechooser");
    for (const char* name :
         {"DllGetClassObject", "DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"})
        EXPECT_NE(win::GetProcAddress(module, name), nullptr) << name;
    EXPECT_EQ(win::GetProcAddress(module, "_ZN10huechooser13KSColorPicker6CreateEv"), nullptr);
    {
        forms::test::TestHost host;
        ole::Ptr<forms::Extender> extender =
            host.Host(KSColorPicker::kProgId, "Picker1", {0, 0, 120, 21});
        ASSERT_TRUE(extender);
        EXPECT_TRUE(ole::ClassRegistry::Find(KSColorPicker::kProgId)->flags.control);
        const ole::Variant picker{ole::Ptr<ole::Object>(extender)};
        EXPECT_EQ(ole::GetProperty(picker, "PaletteTabCaption").AsString(), "Palette");
        ole::LetPropertyById(picker, KSColorPicker::IdSelectedColor, ole::Variant(int32_t{255}));
        EXPECT_EQ(ole::CLng(ole::GetProperty(picker, "SelectedColor")), 255);
        EXPECT_EQ(ole::CLng(ole::GetPropertyById(picker, KSColorPicker::IdActiveTab)), 0);
        EXPECT_NE(ole::CLng(ole::GetPropertyById(picker, KSColorPicker::IdHwnd)), 0);
        EXPECT_EQ(ole::CLng(ole::GetPropertyById(picker, KSColorPicker::IdScaleMode)), 1);
    }
}

} // namespace
} // namespace huechooser::test

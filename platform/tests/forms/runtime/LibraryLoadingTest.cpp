#include "RuntimeFixture.h"
#include "testsupport/ErrorOf.h"

#include "platform/forms/app/App.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/object/TypeName.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/registry/LibraryServer.h"
#include "platform/win/kernel/Modules.h"

#include <filesystem>
#include <string>

using namespace runtimetest;
using forms::ControlLibraries;
using testsupport::ErrorTextOf;

namespace {

// A class linked into the executable and registered statically, as a program may do with a
// library it links.
class Gauge : public ole::Object {
public:
    int32_t Level() const { return 4; }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<Gauge>("Gauge")
                                               .Library("Staticlib")
                                               .ClassId("{0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F7}")
                                               .Get("Level", 1, &Gauge::Level)
                                               .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
};

ole::LibraryServer& StaticServer() {
    static ole::LibraryServer server(
        "Staticlib", ole::Guid::FromString("{0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F0}"));
    static const bool added = [] {
        server.AddClass(
            "Staticlib.Gauge", [] { return ole::Ptr<ole::Object>(ole::MakeObject<Gauge>()); },
            Gauge::Info());
        return true;
    }();
    (void)added;
    return server;
}

class LibraryLoadingTest : public RuntimeTest {};

TEST_F(LibraryLoadingTest, StaticallyRegisteredClassesAreCreatedWithoutLoadingAnything) {
    StaticServer().RegisterServer();
    const size_t loaded = ControlLibraries::LoadedCount();
    ole::Ptr<ole::Object> gauge = ControlLibraries::CreateObject("STATICLIB.gauge");
    EXPECT_EQ(ole::TypeName(gauge.Get()), "Gauge");
    EXPECT_EQ(ole::GetProperty(ole::Variant(gauge), "Level").AsI4(), 4);
    EXPECT_EQ(ControlLibraries::LoadedCount(), loaded);
    EXPECT_EQ(StaticServer().CanUnloadNow(), ole::S_FALSE);
    gauge.Reset();
    EXPECT_EQ(StaticServer().CanUnloadNow(), ole::S_OK);
    StaticServer().UnregisterServer();

    // Without a registration and without a library there is nothing to create.
    EXPECT_EQ(ErrorTextOf([] { ControlLibraries::CreateObject("Staticlib.Gauge"); }),
              "711 Invalid class string: no library \"Staticlib\" could be loaded");
    EXPECT_EQ(ErrorTextOf([] { ControlLibraries::CreateObject("NoLibraryPart"); }),
              "711 Invalid class string");
    EXPECT_EQ(ErrorTextOf([] { ControlLibraries::CreateObject("Trailing."); }),
              "711 Invalid class string");
    EXPECT_EQ(ErrorTextOf([] { ControlLibraries::Load("../escape"); }).substr(0, 3), "711");
    EXPECT_FALSE(ControlLibraries::IsLoaded("Staticlib"));
    EXPECT_EQ(forms::LibraryNameOf("Rowbox.KSListBox"), "Rowbox");
    EXPECT_EQ(forms::LibraryNameOf("Rowbox"), "");
}

TEST_F(LibraryLoadingTest, ControlLibraryIsLoadedByProgIdAndStaysWhileItsObjectsLive) {
    if (!ErrorTextOf([] { ControlLibraries::Load("LOADPROBE"); }).empty()) {
        GTEST_SKIP() << "libLoadprobe.so is not built in this tree";
    }
    // Found whatever the case of the name; its App is named as its file is.
    ASSERT_NE(forms::App::Find("Loadprobe"), nullptr);
    EXPECT_EQ(forms::App::Find("Loadprobe")->Title(), "Loadprobe");
    // Loaded and registered, but with no object alive it goes at once.
    EXPECT_NE(ole::ClassRegistry::Find("Loadprobe.Meter"), nullptr);
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
    ASSERT_FALSE(ControlLibraries::IsLoaded("Loadprobe"));
    const size_t modulesBefore = win::detail::LoadedLibraryCount();

    ole::Ptr<ole::Object> control = ControlLibraries::CreateObject("Loadprobe.Meter");
    ASSERT_TRUE(control);
    EXPECT_TRUE(ControlLibraries::IsLoaded("loadprobe"));
    EXPECT_EQ(ole::TypeName(control.Get()), "Meter");
    EXPECT_EQ(ole::ClassIdOf(*control), "Loadprobe.Meter");
    const ole::ClassRegistration* registration = ole::ClassRegistry::Find("Loadprobe.Meter");
    ASSERT_NE(registration, nullptr);
    EXPECT_TRUE(registration->flags.control);

    // The library's App describes the loaded file, and the library's code sees the same App.
    char file[4096] = {};
    win::GetModuleFileNameA(ControlLibraries::Load("Loadprobe"), file, sizeof file);
    const std::string folder = std::filesystem::path(file).parent_path().string();
    ASSERT_NE(forms::App::Find("Loadprobe"), nullptr);
    EXPECT_EQ(forms::App::Find("Loadprobe")->Path(), folder);
    EXPECT_EQ(ole::GetProperty(ole::Variant(control), "LibraryPath").AsString(), folder);

    // A second object comes from the loaded library; nothing is loaded twice.
    ole::Ptr<ole::Object> second = ControlLibraries::CreateObject("Loadprobe.Meter");
    EXPECT_EQ(win::detail::LoadedLibraryCount(), modulesBefore + 1);

    ole::LetProperty(ole::Variant(control), "Caption", ole::Variant(std::string("changed")));
    EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
    EXPECT_TRUE(ControlLibraries::IsLoaded("Loadprobe"));
    EXPECT_EQ(ole::GetProperty(ole::Variant(control), "Caption").AsString(), "changed");
    second.Reset();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);

    control.Reset();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
    EXPECT_FALSE(ControlLibraries::IsLoaded("Loadprobe"));
    EXPECT_EQ(ole::ClassRegistry::Find("Loadprobe.Meter"), nullptr);
    EXPECT_EQ(win::detail::LoadedLibraryCount(), modulesBefore);

    // The next use loads it again.
    control = ControlLibraries::CreateObject("loadprobe.meter");
    EXPECT_EQ(ole::GetProperty(ole::Variant(control), "Caption").AsString(), "probe");
    control.Reset();
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
}

TEST_F(LibraryLoadingTest, LoadedUserControlIsSitedOnAFormByItsProgId) {
    if (!ErrorTextOf([] { ControlLibraries::Load("Loadprobe"); }).empty()) {
        GTEST_SKIP() << "libLoadprobe.so is not built in this tree";
    }
    {
        forms::test::TestHost host;
        const ole::Ptr<forms::Extender> meter =
            host.Host("Loadprobe.Meter", "Meter1", {10, 10, 110, 60});
        ASSERT_TRUE(meter);
        const ole::Variant control{ole::Ptr<ole::Object>(meter)};
        // Members the extender does not have reach the loaded control.
        EXPECT_EQ(ole::GetProperty(control, "Caption").AsString(), "probe");
        EXPECT_GE(ole::GetProperty(control, "Resizes").AsI4(), 1);
        EXPECT_EQ(ole::GetProperty(control, "Name").AsString(), "Meter1");
        EXPECT_EQ(ControlLibraries::FreeUnused(), 0u);
        host.Unload();
    }
    EXPECT_EQ(ControlLibraries::FreeUnused(), 1u);
    EXPECT_FALSE(ControlLibraries::IsLoaded("Loadprobe"));
}

} // namespace

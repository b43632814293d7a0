#include "platform/win/kernel/Kernel.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace win;

class KernelTest : public testsupport::CleanPlatform {};

TEST_F(KernelTest, MulDivRoundsHalvesAwayFromZeroWithAWideIntermediate) {
    EXPECT_EQ(-MulDiv(9, 96, 72), -12);
    EXPECT_EQ(-MulDiv(8, 96, 72), -11);
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, 1, -2), -1);
    EXPECT_EQ(MulDiv(5, 1, 3), 2);
    EXPECT_EQ(MulDiv(2'000'000'000, 3, 4), 1'500'000'000);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(2'000'000'000, 2'000'000'000, 1), -1);
}

TEST_F(KernelTest, VersionThreadAndTicks) {
    OSVERSIONINFOA info;
    EXPECT_FALSE(GetVersionExA(&info)) << "the size field must be set";
    info.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, 2u);
    EXPECT_EQ(info.dwMajorVersion, 5u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_STREQ(info.szCSDVersion, "");

    EXPECT_NE(GetCurrentThreadId(), 0u);
    EXPECT_EQ(GetCurrentThreadId(), GetCurrentThreadId());
    EXPECT_EQ(GetTickCount(), 0u);
    test::advanceTime(250);
    EXPECT_EQ(GetTickCount(), 250u);
}

TEST_F(KernelTest, Msimg32FollowsTheSwitchAndOtherLibrariesLoadForReal) {
    const HMODULE msimg = LoadLibraryA("MSIMG32.DLL");
    ASSERT_TRUE(msimg);
    EXPECT_GT(static_cast<int32_t>(msimg.Value()), 0);
    EXPECT_EQ(LoadLibraryA("msimg32.dll"), msimg);
    EXPECT_TRUE(FreeLibrary(msimg));
    EXPECT_TRUE(FreeLibrary(msimg));
    EXPECT_FALSE(FreeLibrary(msimg));
    test::setMsimg32Available(false);
    EXPECT_FALSE(LoadLibraryA("msimg32.dll"));
    test::resetPlatform();
    EXPECT_TRUE(LoadLibraryA("msimg32.dll")) << "the switch is on again after a reset";

    EXPECT_FALSE(LoadLibraryA("no-such-library.dll"));
    const HMODULE libm = LoadLibraryA("libm.so.6");
    ASSERT_TRUE(libm);
    EXPECT_NE(GetProcAddress(libm, "cos"), nullptr);
    EXPECT_EQ(GetProcAddress(libm, "no_such_symbol"), nullptr);
    char path[512];
    ASSERT_GT(GetModuleFileNameA(libm, path, sizeof path), 0u);
    EXPECT_NE(std::string(path).find("libm"), std::string::npos);
    EXPECT_TRUE(FreeLibrary(libm));
}

TEST_F(KernelTest, ModuleFileNameAndDirectoriesTruncateAndReportSizes) {
    char full[4096];
    const DWORD length = GetModuleFileNameA(nullptr, full, sizeof full);
    ASSERT_GT(length, 4u);
    EXPECT_EQ(std::strlen(full), length);
    char small[5];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 5u);
    EXPECT_EQ(std::string(small), std::string(full, 4)) << "truncated with a NUL";

    char saved[4096];
    ASSERT_GT(GetCurrentDirectoryA(sizeof saved, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA("/tmp"));
    char now[8];
    EXPECT_EQ(GetCurrentDirectoryA(sizeof now, now), 4u);
    EXPECT_STREQ(now, "/tmp");
    char tiny[2];
    EXPECT_EQ(GetCurrentDirectoryA(sizeof tiny, tiny), 5u) << "the size needed, NUL included";
    EXPECT_FALSE(SetCurrentDirectoryA("/no/such/dir"));
    ASSERT_TRUE(SetCurrentDirectoryA(saved));
}

} // namespace

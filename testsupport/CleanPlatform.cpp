#include "testsupport/CleanPlatform.h"

#include "platform/ole/error/UnhandledError.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Tree.h"

#include <vector>

namespace testsupport {

void CleanPlatform::SetUp() {
    win::test::resetPlatform();
    m_baseline = LiveCounts::Now();
}

void CleanPlatform::TearDown() {
    // The test's answer may capture its locals, which are gone by now.
    win::test::TestWindowClass::Answer(nullptr);
    CloseWindows();
    EXPECT_EQ(LiveCounts::Now(), m_baseline) << "the test left something behind";
    for (const auto& caught : win::test::CaughtExceptions())
        ADD_FAILURE() << "exception caught at a " << caught.where << ": " << caught.what;
    for (const auto& error : ole::TakeReportedErrors())
        ADD_FAILURE() << "unhandled error " << error.Number() << ": " << error.Description();
    win::test::resetPlatform();
}

void CleanPlatform::CloseWindows() {
    for (int round = 0; round < 8; ++round) {
        std::vector<win::HWND> topLevels;
        win::EnumWindows(
            [](win::HWND hwnd, win::LPARAM list) {
                reinterpret_cast<std::vector<win::HWND>*>(list)->push_back(hwnd);
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&topLevels));
        if (topLevels.empty())
            return;
        for (win::HWND hwnd : topLevels)
            win::DestroyWindow(hwnd);
    }
}

} // namespace testsupport

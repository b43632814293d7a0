#pragma once

#include "testsupport/LiveCounts.h"

#include <gtest/gtest.h>

namespace testsupport {

// The fixture every suite builds on: each test starts on a reset platform and must leave it as
// it found it. Teardown closes the top-level windows the test left open (as a user would), then
// fails the test when any live count differs from the start or when an error was caught at a
// boundary (a window or hook procedure, an event raise, the unhandled-error handler) and not
// taken by the test itself. Fixtures that hold objects let go of them first, then call
// CleanPlatform::TearDown.
//
// A test that provokes a boundary error on purpose takes it: win::test::ClearCaughtExceptions(),
// ole::TakeReportedErrors().
class CleanPlatform : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const LiveCounts& Baseline() const { return m_baseline; }
    // Destroys every top-level window, also those a destroy handler makes meanwhile.
    static void CloseWindows();

private:
    LiveCounts m_baseline;
};

} // namespace testsupport

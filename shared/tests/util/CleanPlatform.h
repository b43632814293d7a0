#pragma once

#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

namespace shared::test {

// Starts from a reset platform and checks that a test leaves no GDI object, DC, window or
// automation object behind.
class CleanPlatform : public ::testing::Test {
protected:
    void SetUp() override {
        win::test::resetPlatform();
        m_gdiObjects = win::test::LiveGdiObjectCount();
        m_dcs = win::test::LiveDcCount();
        m_windows = win::test::LiveWindowCount();
        m_objects = ole::LiveObjectCount();
    }
    void TearDown() override {
        EXPECT_EQ(win::test::LiveGdiObjectCount(), m_gdiObjects);
        EXPECT_EQ(win::test::LiveDcCount(), m_dcs);
        EXPECT_EQ(win::test::LiveWindowCount(), m_windows);
        EXPECT_EQ(ole::LiveObjectCount(), m_objects);
        win::test::resetPlatform();
    }

    size_t m_gdiObjects = 0;
    size_t m_dcs = 0;
    size_t m_windows = 0;
    size_t m_objects = 0;
};

} // namespace shared::test

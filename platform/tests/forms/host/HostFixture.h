#pragma once

#include "ProbeControl.h"

#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

namespace hosttest {

using Log = std::vector<std::string>;

// A clean platform per test; teardown checks that windows, DCs, GDI objects, automation objects
// and controls are back where they started.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::test::resetPlatform();
        FormSettings::Reset();
        ole::TakeReportedErrors();
        m_objects = ole::LiveObjectCount();
        m_controls = Control::LiveControlCount();
    }
    void TearDown() override {
        win::test::resetPlatform();
        FormSettings::Reset();
        EXPECT_EQ(win::test::LiveWindowCount(), 0u);
        EXPECT_EQ(win::test::LiveDcCount(), 0u);
        EXPECT_EQ(win::test::LiveGdiObjectCount(), 0u);
        EXPECT_EQ(Form::LiveFormCount(), 0u);
        EXPECT_EQ(Control::LiveControlCount(), m_controls);
        EXPECT_EQ(ole::LiveObjectCount(), m_objects);
    }

private:
    size_t m_objects = 0;
    size_t m_controls = 0;
};

} // namespace hosttest

#pragma once

#include "platform/ole/object/ObjectProbes.h"

#include <gtest/gtest.h>

// Fixture base: every test that creates objects ends with none of them alive.
class LeakGuard : public ::testing::Test {
protected:
    void SetUp() override { m_liveAtStart = ole::LiveObjectCount(); }
    void TearDown() override { EXPECT_EQ(ole::LiveObjectCount(), m_liveAtStart); }

private:
    size_t m_liveAtStart = 0;
};

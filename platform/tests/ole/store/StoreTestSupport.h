#pragma once

#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace storetest {

// The run-time error number `call` raises, or 0 when it raises none.
inline int32_t ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ole::Error& error) {
        return error.Number();
    }
    return 0;
}

// Every test starts and ends with the same number of live automation objects.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveAtStart = ole::LiveObjectCount(); }
    void TearDown() override { EXPECT_EQ(ole::LiveObjectCount(), m_liveAtStart); }

private:
    size_t m_liveAtStart = 0;
};

} // namespace storetest

#pragma once

#include <cstddef>
#include <cstdint>

namespace layoutdesk {

// A layout file keeps its control counts (on the designer, and in each container) as 16-bit
// numbers. A larger count would wrap and the file would lose its controls, so it is refused.
class StoredCount {
public:
    static constexpr size_t kLimit = INT16_MAX;

    // `count` as it is stored; 6 (Overflow) past the limit.
    static int16_t Of(size_t count);

    // Lowers the limit while it lives, so that a test reaches it with a few controls.
    class TestLimit {
    public:
        explicit TestLimit(size_t limit);
        ~TestLimit();
        TestLimit(const TestLimit&) = delete;
        TestLimit& operator=(const TestLimit&) = delete;

    private:
        size_t m_previous;
    };
};

} // namespace layoutdesk

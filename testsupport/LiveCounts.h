#pragma once

#include <cstddef>
#include <ostream>

namespace testsupport {

// Everything the platform counts while it lives: a test that cleans up after itself leaves each
// count where it found it.
struct LiveCounts {
    size_t windows = 0;
    size_t dcs = 0;
    size_t gdiObjects = 0;
    size_t hooks = 0;
    size_t timers = 0;
    size_t icons = 0;
    size_t objects = 0;

    static LiveCounts Now();
    friend bool operator==(const LiveCounts&, const LiveCounts&) = default;
};

void PrintTo(const LiveCounts& counts, std::ostream* os);

} // namespace testsupport

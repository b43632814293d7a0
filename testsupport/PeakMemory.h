#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace testsupport {

// Peak resident memory of this process so far, in bytes.
inline int64_t ResidentPeak() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            int64_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// How far `f` raises the peak resident memory. The kernel's peak is reset first, so what earlier
// work in the process used cannot hide a rise.
template <class F>
int64_t PeakMemoryGrowth(F&& f) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const int64_t before = ResidentPeak();
    f();
    return ResidentPeak() - before;
}

} // namespace testsupport

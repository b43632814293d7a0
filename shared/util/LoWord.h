#pragma once

#include <cstdint>

namespace shared {

// The low 16 bits of x as 0 to 65535, for negative x too (LoWord(-1) is 65535); its caller
// compares with WA_INACTIVE.
constexpr int32_t LoWord(int64_t x) {
    return static_cast<int32_t>(static_cast<uint64_t>(x) & 0xFFFF);
}

} // namespace shared

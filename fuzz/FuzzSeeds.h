#pragma once

#include <cstdint>
#include <vector>

namespace fuzz {

// Valid inputs to start mutating from: stored bags with every storable type (pictures in several
// bitmap layouts) and the layout-file images that wrap them.
std::vector<std::vector<uint8_t>> Seeds();

} // namespace fuzz

#pragma once

#include <cstddef>
#include <string_view>

namespace ole {

// The hash of a key as case-insensitive comparison sees it: equal for keys that differ only in
// case. ASCII keys are folded byte by byte as they are hashed; any other key is folded once.
size_t FoldedKeyHash(std::string_view key);

} // namespace ole

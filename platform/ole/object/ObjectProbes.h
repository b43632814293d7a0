#pragma once

#include <cstddef>

namespace ole {

// Automation objects alive on this thread; tests check it returns to its start value.
size_t LiveObjectCount();

} // namespace ole

#pragma once

#include "platform/base/UnicodeCase.h"

namespace ole {

// The automation text functions read the same table as key comparison.
using base::LCase;
using base::UCase;

} // namespace ole

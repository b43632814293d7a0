#pragma once

#include "platform/ole/error/Error.h"

#include <string>

namespace ole {

// "Source : Description : n" where n is Number - 0x80040000 for object-defined numbers
// (0x80040000..0x8004FFFF) and the number itself otherwise.
std::string FormatErrorForDisplay(const Error& error);

} // namespace ole

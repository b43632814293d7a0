#pragma once

// Operating-system tests the property list uses to choose how it moves a DC's origin.

namespace shared {

// The 95 line of the older platform family (platform id 1, minor version 0).
bool IsWin95();
// Version 4 of the NT family (platform id 2, major version 4).
bool IsWinNT4();

} // namespace shared

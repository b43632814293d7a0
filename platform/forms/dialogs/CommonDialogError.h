#pragma once

#include "platform/win/WinTypes.h"

namespace win {

inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// Why the last file, colour, font or folder dialog call returned 0: 0 when the user cancelled.
DWORD CommDlgExtendedError();

} // namespace win

namespace forms {

// Each common dialog call sets this once before it returns.
void SetCommDlgError(win::DWORD error);

} // namespace forms

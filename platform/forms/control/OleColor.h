#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace forms {

// Colours as members carry them: 0x00BBGGRR, or 0x800000nn for system colour nn.
using OLE_COLOR = uint32_t;

inline constexpr OLE_COLOR kButtonFace = 0x8000000F;
inline constexpr OLE_COLOR kButtonText = 0x80000012;
inline constexpr OLE_COLOR kWindowBackground = 0x80000005;
inline constexpr OLE_COLOR kWindowText = 0x80000008;

// The COLORREF to draw with; system colours read the current table.
win::COLORREF TranslateColor(OLE_COLOR color);

} // namespace forms

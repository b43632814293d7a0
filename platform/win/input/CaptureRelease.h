#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

// Releases capture (with WM_CAPTURECHANGED) when hwnd, or with includeDescendants one of its
// descendants, holds it.
void ReleaseCaptureHeldBy(HWND hwnd, bool includeDescendants);

// Forgets the capture window without telling anyone (platform reset).
void ClearCaptureSilently();

} // namespace win::detail

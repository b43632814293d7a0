#pragma once

#include <cstdint>

namespace sampledesk {

// Moves the window into (or out of) the topmost band without moving, sizing or, for the caller's
// purposes, caring about the result: the SetWindowPos result when made topmost, else 0.
int32_t SetTopMost(int32_t hWnd, bool bTopMost);

} // namespace sampledesk

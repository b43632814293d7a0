#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Stock cursors by IDC_* id (hInstance must be null); the same id always yields the same handle.
// Unknown ids fail with null.
HCURSOR LoadCursorA(HINSTANCE hInstance, int cursorId);

// Returns the previous cursor; null hides the pointer.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

namespace detail {
// A cursor handle for a custom shape (pictures used as mouse icons); shapeId is what the backend
// is told, for tests the id probe reports.
HCURSOR CreateCustomCursor(int shapeId);
// The IDC_* id (or custom shape id) of the current cursor, 0 when none.
int CurrentCursorId();
void ResetCursor();
} // namespace detail

} // namespace win

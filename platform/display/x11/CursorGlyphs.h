#pragma once

namespace display {

// The glyph of the X cursor font that stands for a stock cursor id; the arrow for ids it has no
// likeness for.
unsigned CursorFontGlyph(int cursorId);

} // namespace display

#pragma once

namespace forms {

// Makes the standard form controls creatable by ProgID ("VB.PictureBox", "VB.Label",
// "VB.TextBox", "VB.VScrollBar", "VB.HScrollBar", "VB.Frame", "VB.Line", "VB.Shape"; matched
// without regard to case) and registers their type information as the
// library "VB".
// Registration is per thread, like every registry; calling again changes nothing.
void RegisterStandardControls();

} // namespace forms

#pragma once

namespace forms {

// Makes the standard form controls creatable by ProgID ("VB.PictureBox", "VB.Label",
// "VB.TextBox", "VB.VScrollBar", "VB.HScrollBar") and registers their type information as the
// library "VB".
// Registration is per thread, like every registry; calling again changes nothing.
void RegisterStandardControls();

} // namespace forms

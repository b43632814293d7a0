#pragma once

namespace win::controls {

// Watches every delivery beside the procedure chains (never through GWL_WNDPROC) and hands the
// mouse messages of tool windows to their tooltip controls, so a subclass restoring its saved
// procedure cannot cut a tooltip off. Installed once per thread by the first tooltip created.
void EnsureTooltipRelay();

} // namespace win::controls

#pragma once

#include "platform/forms/description/FormDescription.h"

#include <vector>

namespace sampledesk {

// The stored settings of the main window's two button bars, as their own persistence reads them:
// the menu toolbar's four command buttons and the toolbox's ten tools.
const std::vector<forms::PropertyLiteral>& MenuToolbarBag();
const std::vector<forms::PropertyLiteral>& ToolBoxBag();

} // namespace sampledesk

#pragma once

#include "platform/forms/description/FormDescription.h"

#include <vector>

namespace sampledesk {

// The main window's File, View and Format menus, with their shortcuts.
const std::vector<forms::MenuDescription>& MainMenus();

} // namespace sampledesk

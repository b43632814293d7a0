#pragma once

#include <optional>

namespace forms {

class Form;
class Menu;

// Shows the submenu of `menu`, a top-level item of any loaded form's bar, at (x, y) in the
// calling form's scale units (the pointer's position where omitted), modally. The item's Click
// runs as its popup opens and the chosen leaf's Click before this returns, so it is safe from
// inside a mouse hook's callback. Raises 5 when `menu` is on no loaded form's bar or has no
// submenu, or the caller is not loaded.
void ShowPopupMenu(Form& caller, Menu& menu, unsigned flags, std::optional<double> x,
                   std::optional<double> y);

} // namespace forms

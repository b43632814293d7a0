#pragma once

#include "platform/ole/object/Object.h"

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

// For tests: the next popup menu shown is answered with `item` (its command is read as the popup
// opens, after the Clicks that may rebuild the bar), or cancelled when `item` is null. Replaces
// the popup responder's function.
void ChooseInNextPopup(ole::Ptr<Menu> item);

} // namespace forms

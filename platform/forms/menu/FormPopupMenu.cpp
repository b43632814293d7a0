#include "platform/forms/menu/FormPopupMenu.h"

#include "platform/forms/form/Form.h"
#include "platform/forms/menu/Menu.h"
#include "platform/forms/menu/PopupMenu.h"
#include "platform/ole/error/Error.h"
#include "platform/win/WinConstants.h"
#include "platform/win/input/Input.h"
#include "platform/win/window/Geometry.h"

namespace forms {

namespace {

ole::Ptr<Form> FormHolding(const Menu& menu) {
    for (const ole::Ptr<Form>& form : Form::LoadedForms()) {
        if (form->MenuBar().Holds(menu)) {
            return form;
        }
    }
    return nullptr;
}

} // namespace

void ShowPopupMenu(Form& caller, Menu& menu, unsigned flags, std::optional<double> x,
                   std::optional<double> y) {
    const ole::Ptr<Form> owner = FormHolding(menu);
    if (!owner || !menu.Popup() || !caller.IsLoaded()) {
        ole::RaiseError(ole::ERR_INVALID_CALL);
    }
    win::POINT at{};
    win::GetCursorPos(&at);
    win::ScreenToClient(caller.Window(), &at);
    if (x) {
        at.x = caller.Scale().PositionToWholePixels(*x, Axis::X);
    }
    if (y) {
        at.y = caller.Scale().PositionToWholePixels(*y, Axis::Y);
    }
    win::ClientToScreen(caller.Window(), &at);
    const ole::Ptr<Menu> keep(&menu);
    // The owner's window hears WM_INITMENUPOPUP, so the item's Click runs there; the choice goes
    // straight to the owner's bar, so the leaf's Click has run when this returns.
    const auto chosen = static_cast<win::UINT>(win::TrackPopupMenu(
        menu.Popup(), flags | win::TPM_RETURNCMD, at.x, at.y, 0, owner->Window(), nullptr));
    if (chosen != 0 && owner->IsLoaded()) {
        owner->MenuBar().OnCommand(win::MAKEWPARAM(chosen, 0), 0);
    }
}

void ChooseInNextPopup(ole::Ptr<Menu> item) {
    PopupMenuResponder().SetFunction([item](const PopupMenuRequest&) -> std::optional<win::UINT> {
        PopupMenuResponder().SetFunction(nullptr);
        return item ? item->Command() : 0u;
    });
}

} // namespace forms

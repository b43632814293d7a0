#include "platform/forms/control/ControlContainer.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/error/Error.h"

#include <algorithm>

namespace forms {

bool ControlContainer::AmbientUserMode() const {
    const Form* form = HostForm();
    return form ? form->UserMode() : true;
}

std::vector<ole::Ptr<Control>> ControlContainer::ChildControls() const {
    std::vector<ole::Ptr<Control>> children;
    const auto take = [&](const std::vector<ole::Ptr<Control>>& controls) {
        for (const auto& control : controls) {
            if (control->IsAlive() && control->ContainerSite() == this)
                children.push_back(control);
        }
    };
    if (const Form* form = HostForm())
        take(form->ControlList());
    // A container among a user control's constituents holds constituents too, which are not on
    // the form's list.
    if (const auto* inside = dynamic_cast<const Control*>(this)) {
        if (const UserControl* user = ConstituentOwner(*inside))
            take(user->Constituents());
    }
    return children;
}

std::vector<ole::Ptr<Control>> ControlContainer::WindowlessChildren() const {
    std::vector<ole::Ptr<Control>> children = ChildControls();
    std::erase_if(children, [](const auto& c) { return !c->IsWindowless(); });
    std::stable_sort(children.begin(), children.end(),
                     [](const auto& a, const auto& b) { return a->ZPosition() < b->ZPosition(); });
    return children;
}

ole::Ptr<Control> ControlContainer::WindowlessChildAt(win::POINT pt) const {
    const auto children = WindowlessChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const win::RECT r = (*it)->PixelBounds();
        if ((*it)->Visible() && (*it)->ReceivesMouse() && pt.x >= r.left && pt.x < r.right &&
            pt.y >= r.top && pt.y < r.bottom)
            return *it;
    }
    return nullptr;
}

void ControlContainer::PaintWindowlessChildren(win::HDC hdc) const {
    for (const auto& child : WindowlessChildren()) {
        if (child->Visible())
            child->PaintWindowless(hdc, child->PixelBounds());
    }
}

void ControlContainer::NotifyAmbientChanged(std::string_view name) {
    Extender::NotifyAmbientChanged(*this, name);
}

void ControlContainer::AssignFont(ole::Font& own, const ole::Ptr<ole::Font>& font) {
    if (!font)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    if (own.SameAttributes(*font))
        return;
    own.CopyAttributesFrom(*font);
    NotifyAmbientChanged("Font");
}

const UserControl* ConstituentOwner(const Control& control) {
    for (const Control* inside = &control; inside;) {
        const ControlContainer* outer = inside->ContainerSite();
        if (const auto* user = dynamic_cast<const UserControl*>(outer))
            return user;
        inside = dynamic_cast<const Control*>(outer);
    }
    return nullptr;
}

ControlContainer* ContainerOf(ole::Object* object) {
    if (!object)
        return nullptr;
    if (auto* control = dynamic_cast<Control*>(object)) {
        if (ControlContainer* container = control->AsControlContainer())
            return container;
    }
    return dynamic_cast<ControlContainer*>(object);
}

bool IsContainer(ole::Object* object) {
    const ControlContainer* container = ContainerOf(object);
    const auto* userControl = dynamic_cast<const UserControl*>(container);
    return container && (!userControl || userControl->IsControlContainer());
}

ControlContainer& RequireContainerOn(ole::Object* object, const Form* form) {
    const auto* control = dynamic_cast<const Control*>(object);
    if (!IsContainer(object) || (control && control->IsDead()) ||
        ContainerOf(object)->HostForm() != form)
        ole::RaiseError(ole::ERR_INVALID_CALL, "The object cannot contain controls");
    return *ContainerOf(object);
}

} // namespace forms

#include "platform/forms/control/ControlContainer.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <array>

namespace forms {

bool ControlContainer::AmbientUserMode() const {
    const Form* form = HostForm();
    return form ? form->UserMode() : true;
}

// The objects a control's Container can be while it sits here: the one this container hands out
// and, for a user control, the user control itself. Each counts only while it is alive and still
// stands for this container (a terminated extender stands for none), as a lookup by Container
// would find.
std::array<uint32_t, 2> ControlContainer::SiteIds() const {
    std::array<uint32_t, 2> ids{};
    const ole::Ptr<ole::Object> handed = ContainerObject();
    const std::array<ole::Object*, 2> objects{
        handed.Get(), const_cast<ole::Object*>(dynamic_cast<const ole::Object*>(this))};
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i] && !objects[i]->IsDying() && ContainerOf(objects[i]) == this)
            ids[i] = ole::PtrOfObject(objects[i]);
    }
    return ids;
}

// Children are told by their Container's weak id rather than by casting each control's
// Container to its container: the form's whole list is read for every container.
std::vector<ole::Ptr<Control>> ControlContainer::ChildControls() const {
    std::vector<ole::Ptr<Control>> children;
    const std::array<uint32_t, 2> ids = SiteIds();
    const auto take = [&](const std::vector<ole::Ptr<Control>>& controls) {
        for (const auto& control : controls) {
            const uint32_t id = control->ContainerId();
            if (control->IsAlive() && id != 0 && (id == ids[0] || id == ids[1]))
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

std::vector<ole::Ptr<Control>> ControlContainer::WindowlessChildren(const win::RECT* area) const {
    std::vector<ole::Ptr<Control>> children = ChildControls();
    win::RECT meet;
    std::erase_if(children, [&](const auto& c) {
        if (!c->IsWindowless())
            return true;
        const win::RECT bounds = c->PixelBounds();
        return area && !win::IntersectRect(&meet, &bounds, area);
    });
    std::stable_sort(children.begin(), children.end(),
                     [](const auto& a, const auto& b) { return a->ZPosition() < b->ZPosition(); });
    return children;
}

// The topmost of the hits: no order of every child is needed for one point.
ole::Ptr<Control> ControlContainer::WindowlessChildAt(win::POINT pt) const {
    ole::Ptr<Control> top;
    for (const auto& child : ChildControls()) {
        if (!child->IsWindowless() || (top && child->ZPosition() <= top->ZPosition()))
            continue;
        const win::RECT r = child->PixelBounds();
        if (child->Visible() && child->ReceivesMouse() && pt.x >= r.left && pt.x < r.right &&
            pt.y >= r.top && pt.y < r.bottom)
            top = child;
    }
    return top;
}

// A child paints within its bounds, so one the DC cannot show is left out.
void ControlContainer::PaintWindowlessChildren(win::HDC hdc) const {
    win::RECT clip;
    const int kind = win::GetClipBox(hdc, &clip);
    if (kind == win::NULLREGION)
        return;
    for (const auto& child : WindowlessChildren(kind == win::ERROR ? nullptr : &clip)) {
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

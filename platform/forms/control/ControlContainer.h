#pragma once

#include "platform/forms/control/OleColor.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace forms {

class Control;
class Form;
class UserControl;

// What a control needs from whatever it sits in: a form, a PictureBox, a user control's surface.
// Children are placed in the container's client area in the coordinate system ChildScale gives;
// windowless children are painted and hit-tested by the container.
class ControlContainer {
public:
    // The window children's windows are created in.
    virtual win::HWND ContainerWindow() const = 0;
    // The coordinate system of children's Left/Top/Width/Height (client size kept current).
    virtual ScaleSpace ChildScale() const = 0;
    // The automation object children report as Container (the form, the PictureBox, the user
    // control's extender).
    virtual ole::Ptr<ole::Object> ContainerObject() const = 0;
    // The form the container is on.
    virtual Form* HostForm() const = 0;

    // Ambient values a hosted control reads.
    virtual bool AmbientUserMode() const;
    // The container's own font object (Ambient.Font hands out copies of it).
    virtual ole::Ptr<ole::Font> AmbientFont() const = 0;
    virtual OLE_COLOR AmbientBackColor() const = 0;
    virtual OLE_COLOR AmbientForeColor() const = 0;

    // Children whose Container is this one, in the order of the form's Controls (a user control
    // adds its constituents).
    virtual std::vector<ole::Ptr<Control>> ChildControls() const;
    // Windowless children in z-order, bottom first (only those whose bounds meet `area`, when
    // given), and the topmost one under a client point.
    std::vector<ole::Ptr<Control>> WindowlessChildren(const win::RECT* area = nullptr) const;
    ole::Ptr<Control> WindowlessChildAt(win::POINT clientPt) const;
    // Draws the windowless children the DC's clip meets, bottom first (after the container's
    // Paint).
    void PaintWindowlessChildren(win::HDC hdc) const;
    // Raises AmbientChanged(name) on the user controls sited directly here; containers call it
    // when their ScaleMode ("ScaleUnits"), Font, ForeColor or BackColor changes.
    void NotifyAmbientChanged(std::string_view name);

protected:
    ~ControlContainer() = default;

    // Font assignment: the container keeps its own font object and copies the attributes in
    // (never sharing the caller's), then tells the user controls sited here. 91 for Nothing.
    void AssignFont(ole::Font& own, const ole::Ptr<ole::Font>& font);

private:
    // The weak ids of the objects a child's Container is while it sits here (0 for none).
    std::array<uint32_t, 2> SiteIds() const;
};

// The user control whose constituent the control is, directly or inside constituent containers;
// null for a control on a form.
const UserControl* ConstituentOwner(const Control& control);

// The container behind an automation object: a form, a PictureBox, a control-container user
// control (through its extender). Null for anything else.
ControlContainer* ContainerOf(ole::Object* object);

// Whether `object` can hold controls: a form, a Frame, a PictureBox, or a user control whose
// class is declared a control container. Nothing is added or removed to find out.
bool IsContainer(ole::Object* object);

// The container `object` offers to a control of `form`, for Controls.Add and Container: 5 when
// it cannot hold controls, is a dead control, or sits on another form.
ControlContainer& RequireContainerOn(ole::Object* object, const Form* form);

} // namespace forms

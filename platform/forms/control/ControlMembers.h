#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/ole/dispatch/ClassBuilder.h"

namespace forms {

// Which groups of the common members a control class has (every class has Name, Index, Container,
// Parent, Visible, Tag, Refresh).
enum class CommonMembers : unsigned {
    None = 0,
    Geometry = 1, // Left, Top, Width, Height, Move
    Focus = 2,    // TabIndex, TabStop, SetFocus
    Window = 4,   // hWnd, Enabled
    Pointer = 8,  // MousePointer, MouseIcon
    ZOrder = 16,
    All = 31,
};
constexpr CommonMembers operator|(CommonMembers a, CommonMembers b) {
    return static_cast<CommonMembers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Has(CommonMembers set, CommonMembers group) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(group)) != 0;
}

// Adds the common members, with the shared ids, to a control class's table:
//   ClassBuilder<PictureBox> b("PictureBox"); AddCommonMembers(b, CommonMembers::All); ...
template <class C>
ole::ClassBuilder<C>& AddCommonMembers(ole::ClassBuilder<C>& b, CommonMembers which) {
    using ole::Arg;
    using ole::Opt;
    using ole::Params;
    b.Property("Name", dispid::Name, &Control::Name, &Control::LetName)
        .Get("Index", dispid::Index, &Control::Index)
        .Property("Container", dispid::Container, &Control::Container, &Control::SetContainer)
        .Get("Parent", dispid::Parent, &Control::Parent)
        .Property("Visible", dispid::Visible, &Control::Visible, &Control::SetVisible)
        .Property("Tag", dispid::Tag, &Control::Tag, &Control::SetTag,
                  ole::Persisted(ole::Variant("")))
        .Method("Refresh", dispid::Refresh, &Control::Refresh);
    if (Has(which, CommonMembers::Geometry)) {
        b.Property("Left", dispid::Left, &Control::Left, &Control::SetLeft)
            .Property("Top", dispid::Top, &Control::Top, &Control::SetTop)
            .Property("Width", dispid::Width, &Control::Width, &Control::SetWidth)
            .Property("Height", dispid::Height, &Control::Height, &Control::SetHeight)
            .Method("Move", dispid::Move, &Control::Move,
                    Params({Arg("Left"), Opt("Top"), Opt("Width"), Opt("Height")}));
    }
    if (Has(which, CommonMembers::Focus)) {
        b.Property("TabIndex", dispid::TabIndex, &Control::TabIndex, &Control::SetTabIndex)
            .Property("TabStop", dispid::TabStop, &Control::TabStop, &Control::SetTabStop)
            .Method("SetFocus", dispid::SetFocus, &Control::SetFocus);
    }
    if (Has(which, CommonMembers::Window)) {
        b.Get("hWnd", dispid::HWnd, &Control::hWnd)
            .Property("Enabled", dispid::Enabled, &Control::Enabled, &Control::SetEnabled);
    }
    if (Has(which, CommonMembers::Pointer)) {
        b.Property("MousePointer", dispid::MousePointer, &Control::MousePointer,
                   &Control::SetMousePointer)
            .Property("MouseIcon", dispid::MouseIcon, &Control::MouseIcon, &Control::SetMouseIcon);
    }
    if (Has(which, CommonMembers::ZOrder)) {
        b.Method("ZOrder", dispid::ZOrder, &Control::ZOrder, Params({Opt("Position")}));
    }
    return b;
}

} // namespace forms

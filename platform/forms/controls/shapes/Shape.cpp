#include "platform/forms/controls/shapes/Shape.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/ColorValue.h"
#include "platform/forms/controls/common/FillStyle.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/OwnedObject.h"

#include <algorithm>
#include <tuple>

namespace forms {

ole::Ptr<Shape> Shape::Create() {
    return ole::MakeObject<Shape>();
}

const ole::ClassInfo& Shape::Info() {
    static const ole::ClassInfo info = [] {
        using S = Shape;
        ole::ClassBuilder<Shape> b("Shape");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F71}")
            .Interface("IShape", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F72}", ole::TYPEFLAG_FDUAL);
        using ole::Persisted;
        using ole::Typed;
        using ole::Variant;
        AddCommonMembers(b, CommonMembers::Geometry | CommonMembers::ZOrder);
        b.Property("Shape", ShapeKind, &S::GetShape, &S::SetShape, Persisted(Variant(int16_t{0})))
            .Property("BackStyle", BackStyle, &S::GetBackStyle, &S::SetBackStyle,
                      Persisted(Variant(int16_t{0})))
            .Property("BackColor", dispid::BackColor, &S::BackColor, &S::SetBackColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t(kWindowBackground))))
            .Property("FillColor", FillColor, &S::GetFillColor, &S::SetFillColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t{0})))
            .Property("FillStyle", FillStyle, &S::GetFillStyle, &S::SetFillStyle,
                      Persisted(Variant(int16_t{1})));
        AddBorderMembers(b);
        return b.Build();
    }();
    return info;
}

void Shape::SetShape(int16_t shape) {
    if (shape < 0 || shape > 5)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_shape = shape;
    Changed();
}

void Shape::SetBackStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_backStyle = style;
    Changed();
}

void Shape::SetBackColor(const ole::Variant& color) {
    m_backColor = ColorFromArgument(color);
    Changed();
}

void Shape::SetFillColor(const ole::Variant& color) {
    m_fillColor = ColorFromArgument(color);
    Changed();
}

void Shape::SetFillStyle(int16_t style) {
    CheckFillStyle(style);
    m_fillStyle = style;
    Changed();
}

win::RECT Shape::Figure(const win::RECT& bounds) const {
    if (m_shape != 1 && m_shape != 3 && m_shape != 5)
        return bounds;
    const int side = std::min(bounds.right - bounds.left, bounds.bottom - bounds.top);
    const int left = bounds.left + (bounds.right - bounds.left - side) / 2;
    const int top = bounds.top + (bounds.bottom - bounds.top - side) / 2;
    return {left, top, left + side, top + side};
}

void Shape::Draw(win::HDC hdc, const win::RECT& r) const {
    if (m_shape == 2 || m_shape == 3)
        win::Ellipse(hdc, r.left, r.top, r.right, r.bottom);
    else
        win::Rectangle(hdc, r.left, r.top, r.right, r.bottom);
}

void Shape::PaintWindowless(win::HDC hdc, const win::RECT& bounds) {
    const win::RECT figure = Figure(bounds);
    const win::SavedDc saved(hdc);
    win::SetROP2(hdc, DrawMode());
    win::SetBkMode(hdc, win::TRANSPARENT);
    {
        const win::SelectedObject noPen(hdc, win::GetStockObject(win::NULL_PEN));
        // Without a pen Rectangle and Ellipse leave out the right and bottom edge.
        const win::RECT filled{figure.left, figure.top, figure.right + 1, figure.bottom + 1};
        for (const auto& [draw, style, color] :
             {std::tuple{m_backStyle == 1, int16_t{0}, m_backColor},
              std::tuple{m_fillStyle != 1, m_fillStyle, m_fillColor}}) {
            if (!draw)
                continue;
            const win::OwnedObject<win::HBRUSH> brush(CreateFillBrush(style, color));
            const win::SelectedObject selected(hdc, brush.Get());
            Draw(hdc, filled);
        }
    }
    const win::OwnedObject<win::HPEN> pen(CreateBorderPen());
    const win::SelectedObject border(hdc, pen.Get());
    const win::SelectedObject hollow(hdc, win::GetStockObject(win::NULL_BRUSH));
    Draw(hdc, figure);
}

} // namespace forms

#include "platform/forms/controls/shapes/Line.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>
#include <cstdlib>

namespace forms {

ole::Ptr<Line> Line::Create() {
    return ole::MakeObject<Line>();
}

const ole::ClassInfo& Line::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<Line> b("Line");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F61}")
            .Interface("ILine", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F62}", ole::TYPEFLAG_FDUAL);
        const auto origin = ole::Persisted(ole::Variant(0.0f));
        AddCommonMembers(b, CommonMembers::ZOrder);
        b.Property("X1", X1, &Line::GetX1, &Line::SetX1, origin)
            .Property("Y1", Y1, &Line::GetY1, &Line::SetY1, origin)
            .Property("X2", X2, &Line::GetX2, &Line::SetX2, origin)
            .Property("Y2", Y2, &Line::GetY2, &Line::SetY2, origin);
        AddBorderMembers(b);
        return b.Build();
    }();
    return info;
}

float Line::FromPixels(int pixels, Axis axis) const {
    return static_cast<float>(ContainerScale().PositionFromPixels(pixels, axis));
}

// Ends are pinned to the coordinate range, so the bounds around them and the painted end point
// cannot overflow.
void Line::SetEnd(int& end, float value, Axis axis) {
    end = win::PinCoordinate(ContainerScale().PositionToWholePixels(value, axis));
    UpdateBounds();
}

void Line::OnSited() {
    const win::RECT site = PixelBounds();
    m_from = {site.left, site.top};
    m_to = {site.right, site.bottom};
    UpdateBounds();
}

void Line::UpdateBounds() {
    const int reach = BorderWidth();
    SetPixelBounds({std::min(m_from.x, m_to.x) - reach, std::min(m_from.y, m_to.y) - reach,
                    std::max(m_from.x, m_to.x) + reach + 1,
                    std::max(m_from.y, m_to.y) + reach + 1});
}

void Line::PaintWindowless(win::HDC hdc, const win::RECT&) {
    const win::OwnedObject<win::HPEN> pen(CreateBorderPen());
    const win::SavedDc saved(hdc);
    win::SelectObject(hdc, pen.Get());
    win::SetROP2(hdc, DrawMode());
    win::MoveToEx(hdc, m_from.x, m_from.y, nullptr);
    win::LineTo(hdc, m_to.x, m_to.y);
    // LineTo leaves out its end point; one more step along the major axis draws exactly it.
    const int dx = m_to.x - m_from.x;
    const int dy = m_to.y - m_from.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int stepX = alongX ? (dx < 0 ? -1 : 1) : 0;
    const int stepY = alongX ? 0 : (dy < 0 ? -1 : 1);
    win::LineTo(hdc, m_to.x + stepX, m_to.y + stepY);
}

} // namespace forms

#pragma once

#include "platform/forms/controls/shapes/GraphicControl.h"
#include "platform/forms/scale/ScaleMode.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace forms {

// A windowless line from (X1, Y1) to (X2, Y2) in container units, both ends drawn. It has no
// Left, Top, Width, Height or Move (438). Sited at a rectangle, it runs from its top-left to its
// bottom-right corner until the ends are set.
class Line : public GraphicControl {
public:
    enum Id : ole::DISPID { X1 = 1, Y1 = 2, X2 = 3, Y2 = 4 };

    static ole::Ptr<Line> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    float GetX1() const { return FromPixels(m_from.x, Axis::X); }
    float GetY1() const { return FromPixels(m_from.y, Axis::Y); }
    float GetX2() const { return FromPixels(m_to.x, Axis::X); }
    float GetY2() const { return FromPixels(m_to.y, Axis::Y); }
    void SetX1(float value) { SetEnd(m_from.x, value, Axis::X); }
    void SetY1(float value) { SetEnd(m_from.y, value, Axis::Y); }
    void SetX2(float value) { SetEnd(m_to.x, value, Axis::X); }
    void SetY2(float value) { SetEnd(m_to.y, value, Axis::Y); }

    void PaintWindowless(win::HDC hdc, const win::RECT& bounds) override;

    Line() = default;

protected:
    void OnSited() override;
    void OnBorderWidthChanged() override { UpdateBounds(); }

private:
    float FromPixels(int pixels, Axis axis) const;
    void SetEnd(int& end, float value, Axis axis);
    // The rectangle the pen covers, for repainting.
    void UpdateBounds();

    // Container client pixels.
    win::POINT m_from;
    win::POINT m_to;
};

} // namespace forms

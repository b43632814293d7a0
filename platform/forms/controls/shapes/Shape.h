#pragma once

#include "platform/forms/controls/shapes/GraphicControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <cstdint>

namespace forms {

// A windowless figure filling its rectangle: 0 rectangle (default), 1 square, 2 oval, 3 circle;
// 4 and 5 (rounded rectangle and square) are drawn with square corners. Square and circle take
// the shorter side, centred. Painted as: background (BackStyle 1), fill (FillStyle other than
// 1), then the border.
class Shape : public GraphicControl {
public:
    enum Id : ole::DISPID { ShapeKind = 1, BackStyle = 2, FillColor = 3, FillStyle = 4 };

    static ole::Ptr<Shape> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // 0..5; others raise 380.
    int16_t GetShape() const { return m_shape; }
    void SetShape(int16_t shape);
    // 0 transparent (default), 1 opaque; others raise 380.
    int16_t GetBackStyle() const { return m_backStyle; }
    void SetBackStyle(int16_t style);
    int32_t BackColor() const { return static_cast<int32_t>(m_backColor); }
    void SetBackColor(const ole::Variant& color);
    int32_t GetFillColor() const { return static_cast<int32_t>(m_fillColor); }
    void SetFillColor(const ole::Variant& color);
    // 1 transparent by default; see CheckFillStyle.
    int16_t GetFillStyle() const { return m_fillStyle; }
    void SetFillStyle(int16_t style);

    void PaintWindowless(win::HDC hdc, const win::RECT& bounds) override;

    Shape() = default;

private:
    win::RECT Figure(const win::RECT& bounds) const;
    void Draw(win::HDC hdc, const win::RECT& figure) const;

    int16_t m_shape = 0;
    int16_t m_backStyle = 0;
    OLE_COLOR m_backColor = kWindowBackground;
    OLE_COLOR m_fillColor = 0;
    int16_t m_fillStyle = 1;
};

} // namespace forms

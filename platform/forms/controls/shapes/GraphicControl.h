#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/control/OleColor.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>

namespace forms {

// What a Line and a Shape share: windowless, no events, drawn by the container after its Paint
// with a pen of BorderColor, BorderWidth pixels and BorderStyle, in DrawMode. Mouse input passes
// through them to the container.
class GraphicControl : public Control {
public:
    int32_t BorderColor() const { return static_cast<int32_t>(m_borderColor); }
    void SetBorderColor(const ole::Variant& color);
    // 1 or more; others raise 380.
    int16_t BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int16_t width);
    // 0 transparent, 1 solid (default), 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside
    // solid; others raise 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);
    // 1..16, the raster operation of the pen (13 copy pen is the default); others raise 380.
    int16_t DrawMode() const { return m_drawMode; }
    void SetDrawMode(int16_t mode);

    bool ReceivesMouse() const override { return false; }

protected:
    GraphicControl() = default;
    // The container repaints what the control covers.
    void Changed();
    // A Line's box is its ends widened by the pen, so it moves its box instead.
    virtual void OnBorderWidthChanged() { Changed(); }
    // The pen the border is drawn with; the caller owns it.
    win::HPEN CreateBorderPen() const;

private:
    OLE_COLOR m_borderColor = kWindowText;
    int16_t m_borderWidth = 1;
    int16_t m_borderStyle = 1;
    int16_t m_drawMode = 13;
};

// BorderColor, BorderWidth, BorderStyle and DrawMode under the ids both classes use, stored after
// the class's own members.
template <class C>
ole::ClassBuilder<C>& AddBorderMembers(ole::ClassBuilder<C>& b) {
    using G = GraphicControl;
    using ole::Persisted;
    return b
        .Property("BorderColor", 30, &G::BorderColor, &G::SetBorderColor,
                  ole::Typed("OLE_COLOR") | Persisted(ole::Variant(int32_t(kWindowText))))
        .Property("BorderWidth", 31, &G::BorderWidth, &G::SetBorderWidth,
                  Persisted(ole::Variant(int16_t{1})))
        .Property("BorderStyle", dispid::BorderStyle, &G::BorderStyle, &G::SetBorderStyle,
                  Persisted(ole::Variant(int16_t{1})))
        .Property("DrawMode", 32, &G::DrawMode, &G::SetDrawMode,
                  Persisted(ole::Variant(int16_t{13})));
}

} // namespace forms

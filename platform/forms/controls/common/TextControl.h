#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/controls/common/ColorValue.h"
#include "platform/forms/controls/common/ControlFont.h"
#include "platform/ole/dispatch/ClassBuilder.h"

#include <optional>

namespace forms {

// A windowed control that shows text: BackColor, ForeColor and a Font of its own (a copy of the
// container's until one is assigned). The window gets the font by WM_SETFONT; the colours answer
// the WM_CTLCOLOR* its window sends to the container, which reflects it here.
class TextControl : public Control {
public:
    int32_t BackColor() const { return ColorToLong(m_backColor); }
    void SetBackColor(const ole::Variant& color);
    int32_t ForeColor() const { return ColorToLong(m_foreColor); }
    void SetForeColor(const ole::Variant& color);
    ole::Ptr<ole::Font> Font();
    void SetFont(ole::Ptr<ole::Font> font);

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

protected:
    TextControl(OLE_COLOR backColor, OLE_COLOR foreColor);

    OLE_COLOR BackOleColor() const { return m_backColor; }
    OLE_COLOR ForeOleColor() const { return m_foreColor; }
    win::HFONT FontHandle() { return m_font.Handle(); }
    // Sets the colours into the DC and returns the background brush (the answer to WM_CTLCOLOR*).
    win::HBRUSH PrepareColors(win::HDC hdc);
    void Repaint();

    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void SettleFont();
    void ApplyFont();

    OLE_COLOR m_backColor;
    OLE_COLOR m_foreColor;
    ControlFont m_font;
    ColorBrush m_brush;
};

// BackColor, ForeColor (unless the class has none) and Font, with the stock ids.
template <class C>
ole::ClassBuilder<C>& AddTextMembers(ole::ClassBuilder<C>& b, bool foreColor = true) {
    using ole::Typed;
    b.Property("BackColor", dispid::BackColor, &TextControl::BackColor, &TextControl::SetBackColor,
               Typed("OLE_COLOR"));
    if (foreColor)
        b.Property("ForeColor", dispid::ForeColor, &TextControl::ForeColor,
                   &TextControl::SetForeColor, Typed("OLE_COLOR"));
    return b.Property("Font", dispid::Font, &TextControl::Font, &TextControl::SetFont,
                      Typed("Font"));
}

} // namespace forms

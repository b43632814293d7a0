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
    // The colours a new control of the class has, the defaults its bag is written against.
    int32_t UsualBackColor() const { return ColorToLong(m_usualBackColor); }
    int32_t UsualForeColor() const { return ColorToLong(m_usualForeColor); }

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

    const OLE_COLOR m_usualBackColor;
    const OLE_COLOR m_usualForeColor;
    OLE_COLOR m_backColor;
    OLE_COLOR m_foreColor;
    ControlFont m_font;
    ColorBrush m_brush;
};

// BackColor, ForeColor (unless the class has none) and Font, with the stock ids. The colours are
// stored against the class's usual ones; the font is stored by Control::WriteProperties.
template <class C>
ole::ClassBuilder<C>& AddTextMembers(ole::ClassBuilder<C>& b, bool foreColor = true) {
    using ole::Persisted;
    using ole::Typed;
    using T = TextControl;
    b.Property("BackColor", dispid::BackColor, &T::BackColor, &T::SetBackColor,
               Typed("OLE_COLOR") | Persisted(&T::UsualBackColor));
    if (foreColor)
        b.Property("ForeColor", dispid::ForeColor, &T::ForeColor, &T::SetForeColor,
                   Typed("OLE_COLOR") | Persisted(&T::UsualForeColor));
    return b.Property("Font", dispid::Font, &T::Font, &T::SetFont, Typed("Font"));
}

} // namespace forms

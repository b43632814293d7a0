#include "platform/forms/controls/shapes/GraphicControl.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/controls/common/ColorValue.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

namespace forms {

void GraphicControl::SetBorderColor(const ole::Variant& color) {
    m_borderColor = ColorFromArgument(color);
    Changed();
}

void GraphicControl::SetBorderWidth(int16_t width) {
    if (width < 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderWidth = width;
    OnBorderWidthChanged();
}

void GraphicControl::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 6)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    Changed();
}

void GraphicControl::SetDrawMode(int16_t mode) {
    if (mode < 1 || mode > 16)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_drawMode = mode;
    Changed();
}

void GraphicControl::Changed() {
    if (!IsAlive() || !Visible())
        return;
    if (ControlContainer* container = ContainerSite()) {
        const win::RECT bounds = PixelBounds();
        win::InvalidateRect(container->ContainerWindow(), &bounds, win::TRUE);
    }
}

win::HPEN GraphicControl::CreateBorderPen() const {
    // The property's styles are the pen styles shifted by one: 0 is the null pen.
    static constexpr int kPenStyles[] = {win::PS_NULL,       win::PS_SOLID,   win::PS_DASH,
                                         win::PS_DOT,        win::PS_DASHDOT, win::PS_DASHDOTDOT,
                                         win::PS_INSIDEFRAME};
    return win::CreatePen(kPenStyles[m_borderStyle], m_borderWidth, TranslateColor(m_borderColor));
}

} // namespace forms

#include "platform/forms/controls/common/ColorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/Objects.h"

namespace forms {

OLE_COLOR ColorFromArgument(const ole::Variant& value) {
    const ole::Variant& v = value.Deref();
    if (v.Type() == ole::VT_I4)
        return static_cast<OLE_COLOR>(v.AsI4());
    const int64_t whole = ole::ChangeType(v, ole::VT_I8).AsI8();
    if (whole < INT32_MIN || whole > static_cast<int64_t>(UINT32_MAX))
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<OLE_COLOR>(whole);
}

ColorBrush::~ColorBrush() {
    Release();
}

win::HBRUSH ColorBrush::Get(OLE_COLOR color) {
    const win::COLORREF rgb = TranslateColor(color);
    if (m_brush && rgb == m_color)
        return m_brush;
    Release();
    m_brush = win::CreateSolidBrush(rgb);
    m_color = rgb;
    return m_brush;
}

void ColorBrush::Release() {
    if (m_brush)
        win::DeleteObject(m_brush);
    m_brush = {};
}

} // namespace forms

#include "platform/forms/controls/common/TextControl.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/win/Win.h"

namespace forms {

TextControl::TextControl(OLE_COLOR backColor, OLE_COLOR foreColor)
    : m_usualBackColor(backColor), m_usualForeColor(foreColor), m_backColor(backColor),
      m_foreColor(foreColor), m_font([this] { ApplyFont(); }) {}

void TextControl::SetBackColor(const ole::Variant& color) {
    m_backColor = ColorFromArgument(color);
    Repaint();
}

void TextControl::SetForeColor(const ole::Variant& color) {
    m_foreColor = ColorFromArgument(color);
    Repaint();
}

ole::Ptr<ole::Font> TextControl::Font() {
    SettleFont();
    return m_font.Object();
}

void TextControl::SetFont(ole::Ptr<ole::Font> font) {
    SettleFont();
    m_font.Assign(font);
}

void TextControl::SettleFont() {
    if (ControlContainer* container = ContainerSite())
        m_font.AdoptAmbient(container->AmbientFont().Get());
}

void TextControl::ApplyFont() {
    if (IsAlive())
        win::SendMessageA(Window(), win::WM_SETFONT,
                          static_cast<win::WPARAM>(win::HandleToParam(m_font.Handle())), win::TRUE);
}

void TextControl::Repaint() {
    if (IsAlive())
        win::InvalidateRect(Window(), nullptr, win::TRUE);
}

win::HBRUSH TextControl::PrepareColors(win::HDC hdc) {
    win::SetTextColor(hdc, TranslateColor(m_foreColor));
    win::SetBkColor(hdc, TranslateColor(m_backColor));
    return m_brush.Get(m_backColor);
}

std::optional<win::LRESULT> TextControl::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                     win::LPARAM lParam) {
    switch (msg) {
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLORSTATIC:
    case win::WM_CTLCOLORLISTBOX:
    case win::WM_CTLCOLOREDIT:
        return win::HandleToParam(
            PrepareColors(win::HdcFromParam(static_cast<win::LPARAM>(wParam))));
    default:
        return Control::OnReflected(msg, wParam, lParam);
    }
}

void TextControl::OnWindowCreated() {
    SettleFont();
    ApplyFont();
}

win::LRESULT TextControl::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT result = Control::WindowProc(msg, wParam, lParam);
    if (msg == win::WM_NCDESTROY) {
        m_font.ReleaseHandle();
        m_brush.Release();
    }
    return result;
}

} // namespace forms

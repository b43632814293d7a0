#include "platform/forms/controls/label/Label.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/OleColor.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

// How a Label draws and measures its caption.

namespace forms {

namespace {

void FillSolid(win::HDC hdc, const win::RECT& rect, win::COLORREF color) {
    const win::HBRUSH brush = win::CreateSolidBrush(color);
    win::FillRect(hdc, &rect, brush);
    win::DeleteObject(brush);
}

void FrameOnePixel(win::HDC hdc, const win::RECT& r, win::COLORREF color) {
    FillSolid(hdc, {r.left, r.top, r.right, r.top + 1}, color);
    FillSolid(hdc, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillSolid(hdc, {r.left, r.top, r.left + 1, r.bottom}, color);
    FillSolid(hdc, {r.right - 1, r.top, r.right, r.bottom}, color);
}

} // namespace

win::UINT Label::TextFormat() const {
    static constexpr win::UINT kAlign[] = {win::DT_LEFT, win::DT_RIGHT, win::DT_CENTER};
    // The caption wraps at word breaks in its rectangle; '&' marks the access key.
    return kAlign[m_alignment] | win::DT_WORDBREAK;
}

void Label::PaintWindowless(win::HDC hdc, const win::RECT& bounds) {
    SettleFont();
    if (m_backStyle == 1)
        FillSolid(hdc, bounds, TranslateColor(m_backColor));
    win::RECT inner = bounds;
    if (m_borderStyle == 1) {
        FrameOnePixel(hdc, bounds, win::GetSysColor(win::COLOR_WINDOWFRAME));
        inner = {bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1};
    }
    if (m_caption.empty())
        return;
    {
        const win::SavedDc saved(hdc);
        win::SelectObject(hdc, m_font.Handle());
        win::SetTextColor(hdc, TranslateColor(m_foreColor));
        win::SetBkMode(hdc, win::TRANSPARENT);
        win::DrawTextA(hdc, m_caption.c_str(), static_cast<int>(m_caption.size()), &inner,
                       TextFormat());
    }
    // A windowless label has no window whose end would free the font: make it per paint.
    m_font.ReleaseHandle();
}

void Label::ApplyAutoSize() {
    SettleFont();
    const win::RECT bounds = PixelBounds();
    const int border = m_borderStyle == 1 ? 2 : 0;
    win::RECT measured{0, 0, m_wordWrap ? bounds.right - bounds.left - border : 0, 0};
    {
        const win::WindowDc screen(win::HWND{});
        const win::SelectedObject font(screen.Get(), m_font.Handle());
        // Without WordWrap the caption still breaks where it holds line breaks.
        const win::UINT format = win::DT_CALCRECT | (m_wordWrap ? TextFormat() : 0);
        win::DrawTextA(screen.Get(), m_caption.c_str(), static_cast<int>(m_caption.size()),
                       &measured, format);
    }
    m_font.ReleaseHandle();
    const int width = m_wordWrap ? bounds.right - bounds.left : measured.right + border;
    SetPixelBounds(
        {bounds.left, bounds.top, bounds.left + width, bounds.top + measured.bottom + border});
}

} // namespace forms

#include "platform/forms/controls/picturebox/PictureBox.h"

#include "platform/base/TextCase.h"
#include "platform/forms/controls/common/FillStyle.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Blits.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/DcState.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include <algorithm>
#include <string_view>
#include <vector>

// Drawing with pens, text and bitmaps on the PictureBox's DC.

namespace forms {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

// The widest line and the lines' total height.
win::SIZE MeasureLines(win::HDC hdc, const std::string& text) {
    win::SIZE total{0, 0};
    for (const std::string_view line : Lines(text)) {
        win::SIZE size;
        win::GetTextExtentPoint32A(hdc, line.data(), static_cast<int>(line.size()), &size);
        total.cx = std::max(total.cx, size.cx);
        total.cy += size.cy;
    }
    return total;
}

} // namespace

void PictureBox::ApplyFont() {
    if (m_hdc)
        win::SelectObject(m_hdc, m_font.Handle());
}

void PictureBox::ApplyDrawMode() {
    if (m_hdc)
        win::SetROP2(m_hdc, m_drawMode);
}

void PictureBox::ApplyPen() {
    if (!m_hdc)
        return;
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, m_drawWidth, TranslateColor(m_foreColor));
    win::SelectObject(m_hdc, pen);
    if (m_pen)
        win::DeleteObject(m_pen);
    m_pen = pen;
}

void PictureBox::ReleaseDrawingObjects() {
    if (m_hdc)
        win::ReleaseDC(Window(), m_hdc);
    m_hdc = {};
    if (m_pen)
        win::DeleteObject(m_pen);
    m_pen = {};
    m_font.ReleaseHandle();
}

void PictureBox::DrawPicture(win::HDC hdc) {
    if (!m_picture || m_picture->IsEmpty())
        return;
    const ole::Image& image = m_picture->GetImage();
    const auto handle = static_cast<uint32_t>(m_picture->Handle());
    if (m_picture->Type() == ole::PICTYPE_ICON) {
        win::DrawIconEx(hdc, 0, 0, win::HICON::FromValue(handle), image.width, image.height, 0, {},
                        win::DI_NORMAL);
        return;
    }
    const win::HDC memory = win::CreateCompatibleDC(hdc);
    {
        const win::SelectedObject bitmap(memory, win::HBITMAP::FromValue(handle));
        win::BitBlt(hdc, 0, 0, image.width, image.height, memory, 0, 0, win::SRCCOPY);
    }
    win::DeleteDC(memory);
}

void PictureBox::DoLine(float x1, float y1, float x2, float y2, const ole::Variant& color,
                        const ole::Variant& flags) {
    const ole::Variant& colorArg = color.Deref();
    const OLE_COLOR lineColor =
        colorArg.IsMissing() || colorArg.IsEmpty() ? m_foreColor : ColorFromArgument(colorArg);
    const ole::Variant& flagArg = flags.Deref();
    const std::string box =
        flagArg.IsMissing() || flagArg.IsEmpty() ? std::string() : ole::CStr(flagArg);
    const bool filled = base::EqualsNoCase(box, "BF");
    if (!box.empty() && !filled && !base::EqualsNoCase(box, "B"))
        ole::RaiseError(ole::ERR_INVALID_CALL);
    m_currentX = x2;
    m_currentY = y2;
    if (!m_hdc)
        return;
    const win::POINT from = ToPixels(x1, y1);
    const win::POINT to = ToPixels(x2, y2);
    const win::COLORREF rgb = TranslateColor(lineColor);
    if (filled) {
        const win::RECT rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                             std::max(from.y, to.y)};
        const win::OwnedObject<win::HBRUSH> brush(win::CreateSolidBrush(rgb));
        win::FillRect(m_hdc, &rect, brush.Get());
        return;
    }
    const win::OwnedObject<win::HPEN> pen(win::CreatePen(win::PS_SOLID, m_drawWidth, rgb));
    const win::SelectedObject penSelection(m_hdc, pen.Get());
    if (box.empty()) {
        win::MoveToEx(m_hdc, from.x, from.y, nullptr);
        win::LineTo(m_hdc, to.x, to.y);
        return;
    }
    const win::OwnedObject<win::HBRUSH> brush(CreateFillBrush(m_fillStyle, m_fillColor));
    const win::SelectedObject brushSelection(
        m_hdc, brush.Get() ? win::HGDIOBJ(brush.Get()) : win::GetStockObject(win::NULL_BRUSH));
    win::Rectangle(m_hdc, std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                   std::max(from.y, to.y));
}

void PictureBox::DoPrint(const ole::Variant& text) {
    const ole::Variant& arg = text.Deref();
    const std::string value = arg.IsMissing() || arg.IsEmpty() ? std::string() : ole::CStr(arg);
    for (const std::string_view line : Lines(value)) {
        if (m_hdc) {
            const win::POINT at = ToPixels(m_currentX, m_currentY);
            win::TextOutA(m_hdc, at.x, at.y, line.data(), static_cast<int>(line.size()));
        }
        m_currentY += DoTextHeight(std::string(line));
        m_currentX = 0;
    }
}

win::SIZE PictureBox::MeasureText(const std::string& text) {
    if (m_hdc)
        return MeasureLines(m_hdc, text);
    win::SIZE total;
    {
        const win::WindowDc screen(win::HWND{});
        const win::SelectedObject font(screen.Get(), m_font.Handle());
        total = MeasureLines(screen.Get(), text);
    }
    if (!IsAlive())
        m_font.ReleaseHandle();
    return total;
}

float PictureBox::DoTextWidth(const std::string& text) {
    return static_cast<float>(m_scale.LengthFromPixels(MeasureText(text).cx, Axis::X));
}

float PictureBox::DoTextHeight(const std::string& text) {
    return static_cast<float>(m_scale.LengthFromPixels(MeasureText(text).cy, Axis::Y));
}

} // namespace forms

// The paint pass of the design modes: dirty hosted windows first, then the grid dots and the grab
// handles of the selection over them (locked controls with the two handle colours exchanged).

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"

#include "shared/util/ColorUtils.h"

#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace layoutdesk {

// Only the part being painted is drawn again. Elsewhere the surface still shows its dots and
// handles, and the windowless controls over them are not painted again: dots drawn there would
// land on top of those controls. A hosted window repainted in this pass covers the frame and
// handles drawn over it, so the part painted is the whole update area, not the paint DC's clip
// box, which leaves the hosted windows out.
void ZORudeRuduvozu::OnPaint() {
    const std::optional<win::RECT> area = std::exchange(m_paintArea, std::nullopt);
    if (!m_shapes.Empty())
        m_shapesPainted = true;
    win::RECT client{};
    win::RECT painted{};
    if (!win::GetClientRect(hWnd(), &client))
        return;
    if (area)
        painted = *area;
    else if (win::GetClipBox(hDC(), &painted) <= win::NULLREGION)
        return;
    if (win::IntersectRect(&painted, &painted, &client))
        PaintDesigner(painted);
}

void ZORudeRuduvozu::PaintDesigner(const win::RECT& rect) {
    if (m_Mode == ksModeRun)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    // The windowed controls directly inside are the surface's child windows; walking those asks
    // nothing of the windowless ones, however many there are.
    for (win::HWND child = win::GetWindow(hWnd(), win::GW_CHILD); child;
         child = win::GetWindow(child, win::GW_HWNDNEXT))
        if (win::GetUpdateRect(child, nullptr, win::FALSE))
            win::UpdateWindow(child);
    // The paint's own DC: dots only where this paint draws, beneath the windowless controls
    // painted after it.
    if (m_ShowGrid)
        DrawGrid(hDC(), rect);
    // Not clipped to the hosted windows: handles may cover them.
    const win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, win::DCX_PARENTCLIP));
    if (!dc.Get())
        return;
    win::IntersectClipRect(dc.Get(), rect.left, rect.top, rect.right, rect.bottom);
    const std::vector<uint32_t> selected = SelectedSnapshot();
    // Handles that surely lie outside the paint are not drawn, so a small paint costs what it
    // shows of a large selection.
    const BoundsEstimate estimate = SelectionEstimate(selected);
    const int64_t reach = HandleReach();
    for (const uint32_t id : selected) {
        const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
        if (!control || estimate.SurelyMisses(control, rect, reach) || !HasNameProperty(control))
            continue;
        const bool locked = IsLocked(ole::Variant(control));
        const uint32_t fill = locked ? m_HandleBorderColor : m_HandleColor;
        const uint32_t border = locked ? m_HandleColor : m_HandleBorderColor;
        if (IsLineControl(control))
            DrawLineHandles(dc.Get(), control, fill, border);
        else
            DrawHandles(dc.Get(), control, fill, border);
    }
}

// Dots at whole multiples of the grid step from the client origin, edges included. A step that
// rounds to no pixel leaves the grid out. Only the part the DC can show is walked: a surface far
// larger than its window costs what its visible part does.
void ZORudeRuduvozu::DrawGrid(win::HDC hdc, const win::RECT& rect) {
    const int64_t sx = PixelsX(m_GridSizeX);
    const int64_t sy = PixelsY(m_GridSizeY);
    win::RECT visible{};
    if (!hdc || sx <= 0 || sy <= 0 || win::GetClipBox(hdc, &visible) <= win::NULLREGION)
        return;
    const win::COLORREF color = shared::TranslateColor(ForeColor());
    // The clip box's far edges are outside it; the rectangle's own are dots.
    const int64_t left = std::max<int64_t>(rect.left, visible.left);
    const int64_t top = std::max<int64_t>(rect.top, visible.top);
    const int64_t right = std::min<int64_t>(rect.right, int64_t{visible.right} - 1);
    const int64_t bottom = std::min<int64_t>(rect.bottom, int64_t{visible.bottom} - 1);
    const auto firstFrom = [](int64_t edge, int64_t step) {
        return edge <= 0 ? 0 : (edge + step - 1) / step * step;
    };
    const GridDots dots{firstFrom(left, sx), firstFrom(top, sy), right, bottom, sx, sy};
    if (dots.left > dots.right || dots.top > dots.bottom)
        return;
    if (!DrawGridRows(hdc, dots, color))
        for (int64_t y = dots.top; y <= dots.bottom; y += sy)
            for (int64_t x = dots.left; x <= dots.right; x += sx)
                win::SetPixelV(hdc, static_cast<int>(x), static_cast<int>(y), color);
}

// Every SetPixelV on a window's DC works out the window's visible region again, thousands of
// times for one surface. One row of dots is set in a bitmap instead and laid on each grid row,
// the rest of the row transparent: the same pixels, one visible region per row. False when the
// bitmap cannot be made.
bool ZORudeRuduvozu::DrawGridRows(win::HDC hdc, const GridDots& dots, win::COLORREF color) {
    const auto width = static_cast<int>(dots.right - dots.left + 1);
    const win::MemoryDc row(hdc);
    const win::OwnedObject<win::HBITMAP> bitmap(win::CreateCompatibleBitmap(hdc, width, 1));
    if (!row.Get() || !bitmap.Get())
        return false;
    const win::SelectedObject selected(row.Get(), bitmap.Get());
    if (!selected.Selected())
        return false;
    // Whichever of white and black the dots are not shows through.
    constexpr win::COLORREF kWhite = 0x00FFFFFF;
    const bool white = (color & kWhite) == kWhite;
    const win::COLORREF clear = white ? 0 : kWhite;
    win::PatBlt(row.Get(), 0, 0, width, 1, white ? win::BLACKNESS : win::WHITENESS);
    for (int64_t x = 0; x < width; x += dots.stepX)
        win::SetPixelV(row.Get(), static_cast<int>(x), 0, color);
    for (int64_t y = dots.top; y <= dots.bottom; y += dots.stepY)
        win::TransparentBlt(hdc, static_cast<int>(dots.left), static_cast<int>(y), width, 1,
                            row.Get(), 0, 0, width, 1, clear);
    return true;
}

// A rectangle far outside any surface draws at the edge of the drawing range instead.
bool ZORudeRuduvozu::PixelRect(const ole::Ptr<ole::Object>& control, win::RECT& rect) {
    if (!GetControlRect(control, rect, true))
        return false;
    rect = {win::PinCoordinate(rect.left), win::PinCoordinate(rect.top),
            win::PinCoordinate(rect.right), win::PinCoordinate(rect.bottom)};
    return true;
}

std::optional<ZORudeRuduvozu::HandleStyle>
ZORudeRuduvozu::HandleStyleFor(win::HDC hdc, uint32_t fill, uint32_t border) {
    if (!hdc || !m_ResourceMgr)
        return std::nullopt;
    HandleStyle style;
    style.border = m_ResourceMgr->GetBrush(shared::TranslateColor(border), "SelectionRect");
    style.fill = m_ResourceMgr->GetBrush(shared::TranslateColor(fill), "HandleFillColor");
    // Pinned to the drawing range, as the control's rectangle is, so that the handle arithmetic
    // cannot overflow whatever size was stored.
    style.width = win::PinCoordinate(PixelsX(m_HandleSizeX));
    style.height = win::PinCoordinate(PixelsY(m_HandleSizeY));
    return style;
}

void ZORudeRuduvozu::PaintHandle(win::HDC hdc, const win::RECT& handle, const HandleStyle& style) {
    win::FillRect(hdc, &handle, style.fill);
    win::FrameRect(hdc, &handle, style.border);
}

void ZORudeRuduvozu::DrawHandles(win::HDC hdc, const ole::Ptr<ole::Object>& control, uint32_t fill,
                                 uint32_t border) {
    const std::optional<HandleStyle> style = HandleStyleFor(hdc, fill, border);
    win::RECT r{};
    if (!style || !PixelRect(control, r))
        return;
    const int32_t hw = style->width;
    const int32_t hh = style->height;
    const int32_t midLeft = Round((r.right + r.left - hw) / 2.0);
    const int32_t midRight = Round((r.right + r.left + hw) / 2.0);
    const int32_t midTop = Round((r.bottom + r.top - hh) / 2.0);
    const int32_t midBottom = Round((r.bottom + r.top + hh) / 2.0);
    const win::RECT handles[] = {
        {r.left - hw, r.top - hh, r.left, r.top},
        {r.right, r.top - hh, r.right + hw, r.top},
        {r.right, r.bottom, r.right + hw, r.bottom + hh},
        {r.left - hw, r.bottom, r.left, r.bottom + hh},
        {midLeft, r.top - hh, midRight, r.top},
        {r.right, midTop, r.right + hw, midBottom},
        {midLeft, r.bottom, midRight, r.bottom + hh},
        {r.left - hw, midTop, r.left, midBottom},
    };
    for (const win::RECT& handle : handles)
        PaintHandle(hdc, handle, *style);
    win::FrameRect(hdc, &r, style->border);
}

void ZORudeRuduvozu::DrawLineHandles(win::HDC hdc, const ole::Ptr<ole::Object>& line, uint32_t fill,
                                     uint32_t border) {
    const std::optional<HandleStyle> style = HandleStyleFor(hdc, fill, border);
    win::RECT ends{};
    if (!style || !PixelRect(line, ends))
        return;
    for (const win::POINT end :
         {win::POINT{ends.left, ends.top}, win::POINT{ends.right, ends.bottom}}) {
        const int32_t left = Round(end.x - style->width / 2.0);
        const int32_t top = Round(end.y - style->height / 2.0);
        PaintHandle(hdc, {left, top, left + style->width, top + style->height}, *style);
    }
}

} // namespace layoutdesk

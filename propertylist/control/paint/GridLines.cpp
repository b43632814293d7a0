#include "propertylist/control/paint/GridLines.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/Geometry.h"

#include "platform/win/Win.h"

namespace attrgrid {

namespace {

// Brush origins are in device pixels, so the pattern is aligned at the device point of (x, y)
// whatever viewport and window origins the cell painting has set.
win::POINT ToDevice(win::HDC hdc, int32_t x, int32_t y) {
    win::POINT viewport;
    win::POINT window;
    win::GetViewportOrgEx(hdc, &viewport);
    win::GetWindowOrgEx(hdc, &window);
    return {x - window.x + viewport.x, y - window.y + viewport.y};
}

void Polyline(win::HDC hdc, std::initializer_list<win::POINT> points) {
    auto it = points.begin();
    win::MoveToEx(hdc, it->x, it->y, nullptr);
    for (++it; it != points.end(); ++it)
        win::LineTo(hdc, it->x, it->y);
}

} // namespace

void GridLines::DrawGridLine(win::HDC hdc, int32_t color, int32_t x1, int32_t y1, int32_t x2,
                             int32_t y2, bool solid) {
    const win::COLORREF rgb = shared::TranslateColor(static_cast<uint32_t>(color));
    if (solid) {
        const win::HPEN pen = m_resources.GetPen(rgb, "LineColor", win::PS_SOLID, 0);
        if (!pen)
            return;
        const win::SelectedObject selectPen(hdc, pen);
        win::MoveToEx(hdc, x1, y1, nullptr);
        win::LineTo(hdc, x2, y2);
        return;
    }
    const win::HBRUSH brush = m_resources.GetPatternBrush(kDotPattern, "GridBrush");
    if (!brush)
        return;
    const win::SavedDc saved(hdc);
    win::SelectObject(hdc, brush);
    win::SetTextColor(hdc, rgb);
    const win::POINT device = ToDevice(hdc, x1, y1);
    shared::AlignPatternBrush(hdc, device.x, device.y);
    const int32_t width = x2 - x1 == 0 ? 1 : x2 - x1;
    const int32_t height = y2 - y1 == 0 ? 1 : y2 - y1;
    win::PatBlt(hdc, x1, y1, width, height, win::PATCOPY);
}

void GridLines::Draw3DFrame(win::HDC hdc, const win::RECT& rect, win::COLORREF baseColor) {
    const win::COLORREF light = shared::LightenColor(baseColor);
    const win::COLORREF lighter = shared::LightenColor(light);
    const win::COLORREF dark = shared::DarkenColor(shared::DarkenColor(baseColor));
    const win::COLORREF darker = shared::DarkenColor(dark);
    const auto [left, top, right, bottom] = rect;

    const auto draw = [&](win::COLORREF color, const char* key,
                          std::initializer_list<win::POINT> points) {
        const win::HPEN pen = m_resources.GetPen(color, key, win::PS_SOLID, 0);
        if (!pen)
            return;
        const win::SelectedObject selectPen(hdc, pen);
        Polyline(hdc, points);
    };
    draw(light, "LightBackColor",
         {{left + 1, bottom - 2}, {left + 1, top + 1}, {right - 2, top + 1}});
    draw(lighter, "LighterBackColor", {{left, bottom - 1}, {left, top}, {right - 1, top}});
    draw(dark, "DarkBackColor",
         {{left + 1, bottom - 2}, {right - 2, bottom - 2}, {right - 2, top + 1}});
    draw(darker, "DarkerBackColor",
         {{left, bottom - 1}, {right - 1, bottom - 1}, {right - 1, top - 1}});
}

} // namespace attrgrid

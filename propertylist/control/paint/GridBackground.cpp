#include "propertylist/control/paint/GridBackground.h"

#include "propertylist/control/paint/ScopedMemoryDc.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/Geometry.h"

#include "platform/ole/picture/PictureType.h"
#include "platform/win/Win.h"

namespace attrgrid {

win::RECT GridBackground::PictureArea() const {
    win::RECT area = m_context.clientRect;
    if (m_context.settings.headers != 0)
        area.top = m_context.headerPixels;
    if (m_context.scrollBarVisible)
        area.right -= win::GetSystemMetrics(win::SM_CXVSCROLL);
    return area;
}

void GridBackground::Fill(win::HDC hdc, const win::RECT& rect) const {
    const auto color =
        shared::TranslateColor(static_cast<uint32_t>(m_context.settings.propertyBackColor));
    if (const win::HBRUSH brush = m_context.resources.GetBrush(color, "BackColor"))
        win::FillRect(hdc, &rect, brush);
}

void GridBackground::Draw(win::HDC hdc, const win::RECT& rect) const {
    const auto& picture = m_context.settings.picture;
    if (!picture || picture->Type() != ole::PICTYPE_BITMAP)
        return Fill(hdc, rect);
    const ScopedMemoryDc memory;
    if (!memory.Get())
        return Fill(hdc, rect);
    const auto bitmap = win::HBITMAP::FromValue(static_cast<uint32_t>(picture->Handle()));
    const win::SelectedObject selectBitmap(memory.Get(), bitmap);
    if (!selectBitmap.Selected())
        return Fill(hdc, rect);

    const int32_t width = ole::Picture::HimetricToPixels(picture->Width());
    const int32_t height = ole::Picture::HimetricToPixels(picture->Height());
    const win::RECT area = PictureArea();
    const int32_t areaWidth = area.right - area.left;
    const int32_t areaHeight = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return Fill(hdc, rect);

    switch (m_context.settings.pictureLayout) {
    case 1: { // stretched
        const win::SavedDc saved(hdc);
        win::SetStretchBltMode(hdc, win::COLORONCOLOR);
        win::StretchBlt(hdc, area.left, area.top, areaWidth, areaHeight, memory.Get(), 0, 0, width,
                        height, win::SRCCOPY);
        break;
    }
    case 2: // tiled
        // Only the tiles that meet the rectangle being painted: a row's repaint over a small tile
        // would otherwise cost the whole area's tiles.
        shared::ForEachTile(area, rect, width, height, [&](int32_t x, int32_t y) {
            win::BitBlt(hdc, x, y, width, height, memory.Get(), 0, 0, win::SRCCOPY);
        });
        break;
    default: // centred; layouts outside the enumeration too
        Fill(hdc, rect);
        win::BitBlt(hdc, area.left + (areaWidth - width) / 2, area.top + (areaHeight - height) / 2,
                    width, height, memory.Get(), 0, 0, win::SRCCOPY);
        break;
    }
}

} // namespace attrgrid

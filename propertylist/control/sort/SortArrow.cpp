#include "propertylist/control/sort/SortArrow.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/paint/ScopedMemoryDc.h"

#include "shared/util/ColorUtils.h"

#include "platform/win/Win.h"

#include <initializer_list>

namespace attrgrid {

namespace {

constexpr uint32_t kButtonHighlight = 0x80000014;
constexpr uint32_t kButtonShadow = 0x80000010;

void LinesTo(win::HDC hdc, std::initializer_list<win::POINT> points) {
    for (const win::POINT& p : points)
        win::LineTo(hdc, p.x, p.y);
}

} // namespace

SortArrow::SortArrow(win::HDC hdc, bool bAscending, shared::CResourceMgr& resources,
                     int32_t backColor) {
    m_bitmap.Reset(win::CreateCompatibleBitmap(hdc, kSize, kSize));
    if (!m_bitmap.Get())
        return;
    const ScopedMemoryDc memory;
    const win::HDC mem = memory.Get();
    if (!mem)
        return;
    const win::SelectedObject selectBitmap(mem, m_bitmap.Get());
    const win::RECT all{0, 0, kSize, kSize};
    if (const win::HBRUSH brush = resources.GetBrush(
            shared::TranslateColor(static_cast<uint32_t>(backColor)), "ArrowColor"))
        win::FillRect(mem, &all, brush);
    const win::HPEN light =
        resources.GetPen(shared::TranslateColor(kButtonHighlight), "ArrowLight", win::PS_SOLID, 0);
    const win::HPEN dark =
        resources.GetPen(shared::TranslateColor(kButtonShadow), "ArrowDark", win::PS_SOLID, 0);
    constexpr int32_t m = kSize / 2;
    constexpr int32_t last = kSize - 1;
    if (bAscending) {
        const win::SelectedObject selectLight(mem, light);
        win::MoveToEx(mem, m - 1, last, nullptr);
        LinesTo(mem, {{0, 0}, {last, 0}});
        const win::SelectedObject selectDark(mem, dark);
        LinesTo(mem, {{m, last}, {m - 1, last}});
    } else {
        const win::SelectedObject selectDark(mem, dark);
        win::MoveToEx(mem, m - 1, 0, nullptr);
        LinesTo(mem, {{0, last}});
        const win::SelectedObject selectLight(mem, light);
        LinesTo(mem, {{last, last}, {m, 0}, {m - 1, 0}});
    }
}

win::POINT SortArrow::Position(int32_t width, int32_t height) {
    const int64_t w = width;
    int64_t x = grid::ToInt(static_cast<double>(w) - static_cast<double>(w) / 4.0);
    if (x + kSize > w - 2)
        x -= kSize;
    const int64_t y = grid::ToInt((static_cast<double>(height) - kSize) / 2.0);
    return {grid::Clamp32(x), grid::Clamp32(y)};
}

void SortArrow::Draw(win::HDC hdc, int32_t x, int32_t y) const {
    if (!m_bitmap.Get())
        return;
    win::DrawStateA(hdc, win::HBRUSH{}, nullptr, static_cast<win::LPARAM>(m_bitmap.Get().Value()),
                    0, x, y, 0, 0, win::DST_BITMAP);
}

} // namespace attrgrid

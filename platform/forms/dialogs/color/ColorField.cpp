#include "platform/forms/dialogs/color/ColorField.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Blits.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/Clipping.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/system/SysColors.h"

#include <algorithm>
#include <array>

namespace forms {

using namespace win;

namespace {

constexpr int kScale = 240;
constexpr int kCrossArm = 5;
constexpr int kCrossGap = 2;

int Column(int x) {
    return std::clamp(x - ColorField::kEdge, 0, ColorField::kColumns - 1);
}

int Row(int y) {
    return std::clamp(y - ColorField::kEdge, 0, ColorField::kRows - 1);
}

// Top to bottom: 240 down to 0.
int ValueOfRow(int row) {
    return kScale - row * kScale / (ColorField::kRows - 1);
}

int RowOfValue(int value) {
    return (kScale - std::clamp(value, 0, kScale)) * (ColorField::kRows - 1) / kScale;
}

void Sunken(HDC dc, SIZE size) {
    RECT edge{0, 0, size.cx, size.cy};
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
}

} // namespace

Hsl ColorField::At(POINT point, int luminosity) {
    return Hsl{Column(point.x) * kScale / kColumns, ValueOfRow(Row(point.y)), luminosity};
}

int ColorField::LuminosityAt(int y) {
    return ValueOfRow(Row(y));
}

POINT ColorField::PointOf(const Hsl& hsl) {
    return POINT{kEdge + std::clamp(hsl.hue, 0, kScale - 1) * kColumns / kScale,
                 kEdge + RowOfValue(hsl.saturation)};
}

int ColorField::YOf(int luminosity) {
    return kEdge + RowOfValue(luminosity);
}

void ColorField::PaintField(HDC dc, const Hsl& current) {
    Sunken(dc, FieldSize());
    const MemoryDc memory(dc);
    if (!m_colors.Get()) {
        m_colors.Reset(CreateCompatibleBitmap(dc, kColumns, kRows));
        const SelectedObject bitmap(memory.Get(), m_colors.Get());
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                SetPixelV(memory.Get(), column, row,
                          RgbFromHsl({column * kScale / kColumns, ValueOfRow(row), 120}));
            }
        }
    }
    {
        const SelectedObject bitmap(memory.Get(), m_colors.Get());
        BitBlt(dc, kEdge, kEdge, kColumns, kRows, memory.Get(), 0, 0, SRCCOPY);
    }
    // The cross leaves a gap at its centre, so the picked colour stays visible.
    const POINT at = PointOf(current);
    const OwnedObject<HBRUSH> black(CreateSolidBrush(RGB(0, 0, 0)));
    const std::array<RECT, 4> arms{{
        {at.x - kCrossGap - kCrossArm, at.y - 1, at.x - kCrossGap, at.y + 1},
        {at.x + kCrossGap + 1, at.y - 1, at.x + kCrossGap + 1 + kCrossArm, at.y + 1},
        {at.x - 1, at.y - kCrossGap - kCrossArm, at.x + 1, at.y - kCrossGap},
        {at.x - 1, at.y + kCrossGap + 1, at.x + 1, at.y + kCrossGap + 1 + kCrossArm},
    }};
    const SavedDc saved(dc);
    IntersectClipRect(dc, kEdge, kEdge, kEdge + kColumns, kEdge + kRows);
    for (const RECT& arm : arms) {
        FillRect(dc, &arm, black.Get());
    }
}

void ColorField::PaintBar(HDC dc, const Hsl& current) {
    const SIZE size = BarSize();
    RECT back{0, 0, size.cx, size.cy};
    FillRect(dc, &back, GetSysColorBrush(COLOR_3DFACE));
    Sunken(dc, {kBarWidth + 2 * kEdge, size.cy});
    for (int row = 0; row < kRows; ++row) {
        const OwnedObject<HBRUSH> brush(
            CreateSolidBrush(RgbFromHsl({current.hue, current.saturation, ValueOfRow(row)})));
        const RECT line{kEdge, kEdge + row, kEdge + kBarWidth, kEdge + row + 1};
        FillRect(dc, &line, brush.Get());
    }
    // A pointer to the left at the current luminosity.
    const int x = kBarWidth + 2 * kEdge + 1;
    const int y = YOf(current.luminosity);
    const std::array<POINT, 3> pointer{
        {{x, y}, {x + kPointerWidth - 2, y - 4}, {x + kPointerWidth - 2, y + 4}}};
    const OwnedObject<HBRUSH> black(CreateSolidBrush(RGB(0, 0, 0)));
    const SelectedObject brush(dc, black.Get());
    Polygon(dc, pointer.data(), static_cast<int>(pointer.size()));
}

} // namespace forms

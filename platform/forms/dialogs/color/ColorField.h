#pragma once

#include "platform/forms/dialogs/color/ColorModel.h"
#include "platform/win/gdi/OwnedObject.h"

namespace forms {

// The colour dialog's two pickers, each drawn in its own control with a sunken edge of kEdge
// pixels round the colours:
// - the colour field: hue from 0 at the left to 239 at the right, saturation from 240 at the top to
// 0
//   at the bottom, at luminosity 120, with a cross at the current hue and saturation;
// - the luminosity bar: the current hue and saturation from luminosity 240 at the top to 0 at the
//   bottom, with a pointer at the current luminosity to its right.
// Points are in the picker's client coordinates; points beyond the colours count as the nearest
// edge, so a drag may leave the control.
class ColorField {
public:
    static constexpr int kEdge = 2;
    static constexpr int kColumns = 120;
    static constexpr int kRows = 121;
    static constexpr int kBarWidth = 12;
    static constexpr int kPointerWidth = 8;

    static win::SIZE FieldSize() { return {kColumns + 2 * kEdge, kRows + 2 * kEdge}; }
    static win::SIZE BarSize() {
        return {kBarWidth + 2 * kEdge + kPointerWidth, kRows + 2 * kEdge};
    }

    // The hue and saturation at a colour-field point, with the luminosity given.
    static Hsl At(win::POINT point, int luminosity);
    static int LuminosityAt(int y);
    // Where the colour field shows a hue and saturation, and the bar a luminosity.
    static win::POINT PointOf(const Hsl& hsl);
    static int YOf(int luminosity);

    void PaintField(win::HDC dc, const Hsl& current);
    static void PaintBar(win::HDC dc, const Hsl& current);

private:
    // The colour field's colours, made on the first paint.
    win::OwnedObject<win::HBITMAP> m_colors;
};

} // namespace forms

#pragma once

#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/forms/dialogs/color/ColorDialogRequest.h"
#include "platform/forms/dialogs/color/ColorField.h"
#include "platform/forms/dialogs/color/ColorModel.h"

#include <array>
#include <optional>
#include <vector>

namespace forms {

// The colour dialog on screen: 48 basic colours and 16 custom slots on the left, the definition
// area (preview, hue/saturation/luminosity and red/green/blue boxes, "Add to Custom Colors") on the
// right once opened. A click on a cell picks its colour; a click or drag in the colour field picks
// the hue and saturation, in the luminosity bar the luminosity; a custom cell also becomes the slot
// that "Add to Custom Colors" fills (else the slots fill in turn). Typing in a box redefines the
// colour. Custom entries with a high byte set show white and keep their value unless replaced.
// Each grid is a tab stop (a Static the dialog draws and operates): the arrows move the pick.
class ColorDialogWindow : public AnsweredDialog<ColorDialogRequest, ColorDialogAnswer> {
public:
    enum : int {
        kDefine = 719,
        kBasicGrid = 720,
        kCustomGrid = 721,
        kAdd = 712,
        kHue = 703,
        kSaturation = 704,
        kLuminosity = 705,
        kRed = 706,
        kGreen = 707,
        kBlue = 708,
        kColorField = 710,
        kLuminosityBar = 702,
    };

    explicit ColorDialogWindow(ColorDialogRequest request);

    win::COLORREF Current() const { return m_current; }
    const Hsl& CurrentHsl() const { return m_hsl; }
    bool FullOpen() const { return m_fullOpen; }

    static const std::array<win::COLORREF, 48>& BasicColors();
    // Client rectangles of the cells, for painting, hit testing and tests.
    static win::RECT BasicCell(int index);
    static win::RECT CustomCell(int index);

protected:
    void Build() override;
    void OnCommand(int id, int code) override;
    void OnPaint(win::HDC dc) override;
    std::optional<win::LRESULT> OnControlMessage(win::HWND control, win::UINT msg,
                                                 win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void SetCurrent(win::COLORREF color);
    // A pick in the colour field or the luminosity bar.
    void SetCurrent(const Hsl& hsl);
    std::optional<win::LRESULT> OnPickerMessage(win::HWND picker, win::UINT msg,
                                                win::LPARAM lParam);
    void ShowFields();
    void ReadFields(int changedId);
    void Expand();
    void InvalidateSwatches();
    // Picks cell `index` of the basic (or custom) grid.
    void Pick(bool custom, int index);
    void PaintGrid(win::HWND grid, bool custom);

    CustomColors m_custom;
    win::COLORREF m_current;
    // Kept apart from m_current, which loses the hue of a grey and the saturation of black.
    Hsl m_hsl;
    ColorField m_field;
    int m_basicSelected = -1;
    int m_customSelected = -1;
    int m_nextSlot = 0;
    bool m_fullOpen;
    bool m_updating = false;
    std::vector<win::HWND> m_definition;
};

} // namespace forms

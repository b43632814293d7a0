#pragma once

#include "colorpicker/dropdown/DropDownOwner.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/font/Font.h"

#include <array>
#include <cstdint>
#include <string>

namespace huechooser {

class frmColorPicker;

enum ksAppearance : int32_t { ksFlat = 0, ks3d = 1 };
enum ksBorderStyle : int32_t { ksNone = 0, ksFixedSingle = 1 };
enum ksCPActiveTab : int32_t { ksPalette = 0, ksSystem = 1 };

// A combo-box-like colour field: a swatch, the colour as text and a drop button. A press on the
// surface drops down the colour window, which reports the pick back through DropDownOwner.
//
// The selected colour lives in the swatch's back colour, Font and ForeColor in the text label;
// nothing else holds them.
class KSColorPicker : public forms::UserControl, public DropDownOwner {
public:
    static constexpr const char* kProgId = "Huechooser.KSColorPicker";
    static constexpr const char* kLibraryName = "Huechooser";
    static constexpr int32_t kSystemColorCount = 25;
    static constexpr int32_t kCustomColorCount = 16;

    enum Id : ole::DISPID {
        IdAppearance = 0x68030012,
        IdActiveTab = 0x68030011,
        IdBackColor = 0x68030010,
        IdBorderStyle = 0x6803000F,
        IdFont = 0x6803000E,
        IdForeColor = 0x6803000D,
        IdHighlightColor = 0x6803000C,
        IdHighlightForeColor = 0x6803000B,
        IdPaletteBackColor = 0x6803000A,
        IdSystemBackColor = 0x68030009,
        IdSelectedColor = 0x68030008,
        IdSystemColorName = 0x68030007,
        IdPaletteTabCaption = 0x68030006,
        IdSystemTabCaption = 0x68030005,
        IdHwnd = 0x68030003,
        IdScaleMode = 0x68030002,
        IdToolTipBackColor = 0x68030001,
        IdToolTipForeColor = 0x68030000,
        IdResetSystemColorsNames = 0x60030013,
    };
    enum EventId : ole::DISPID {
        EvTabChanged = 1,
        EvSelectedColorChanged = 2,
        EvPaletteOpened = 3,
        EvPaletteClosed = 4,
    };

    static ole::Ptr<KSColorPicker> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Registers the class with the class registry (static linking and tests).
    static void Register();
    ~KSColorPicker() override;

    // ---- Public members ----
    int32_t GetAppearance() const;
    void LetAppearance(int32_t value);
    int32_t GetActiveTab() const { return m_activeTab; }
    void LetActiveTab(int32_t value);
    int32_t GetBackColor() const { return m_backColor; }
    void LetBackColor(int32_t value);
    int32_t GetBorderStyle() const;
    void LetBorderStyle(int32_t value);
    ole::Ptr<ole::Font> GetFont() const;
    void SetFont(const ole::Ptr<ole::Font>& value);
    int32_t GetForeColor() const;
    void LetForeColor(int32_t value);
    int32_t GetHighlightColor() const { return m_highlightColor; }
    void LetHighlightColor(int32_t value);
    int32_t GetHighlightForeColor() const { return m_highlightForeColor; }
    void LetHighlightForeColor(int32_t value);
    int32_t GetPaletteBackColor() const { return m_paletteBackColor; }
    void LetPaletteBackColor(int32_t value);
    int32_t GetSystemBackColor() const { return m_systemBackColor; }
    void LetSystemBackColor(int32_t value);
    int32_t GetSelectedColor() const;
    void LetSelectedColor(int32_t value);
    // Run-time error 9 outside 0 to 24.
    std::string GetSystemColorName(int32_t eSysClr) const;
    void LetSystemColorName(int32_t eSysClr, const std::string& sClrName);
    void ResetSystemColorsNames();
    std::string GetPaletteTabCaption() const { return m_paletteTabCaption; }
    void LetPaletteTabCaption(const std::string& value);
    std::string GetSystemTabCaption() const { return m_systemTabCaption; }
    void LetSystemTabCaption(const std::string& value);
    int32_t GetHwnd() const;
    int16_t GetScaleMode() const { return ScaleMode(); }
    int32_t GetToolTipBackColor() const { return m_toolTipBackColor; }
    void LetToolTipBackColor(int32_t value);
    int32_t GetToolTipForeColor() const { return m_toolTipForeColor; }
    void LetToolTipForeColor(int32_t value);

    // "&H" + eight upper-case hexadecimal digits + "&".
    static std::string FormatColorText(int32_t color);
    // The palette tab's default background: button face darkened.
    static int32_t DefaultPaletteBackColor();
    // Defaults the class table asks the control for.
    int32_t PaletteBackDefault() const;
    ole::Ptr<ole::Font> SurfaceFont() const;

    // The drop-down, once a press made it; null before.
    frmColorPicker* DropDown() const { return m_frmColorPicker.Get(); }
    bool ButtonPressed() const { return m_buttonPressed; }

    // ---- DropDownOwner ----
    void DropDownTabChanged() override;
    void DropDownSelectedColorChanged(int32_t color) override;
    void DropDownOpened() override;
    void DropDownClosed() override;
    void DropDownCustomColorChanged(int16_t index, int32_t color) override;
    std::string SystemColorNameOf(int32_t index) const override;

    KSColorPicker();

protected:
    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(ole::PropertyBag& bag) override;
    void OnWriteProperties(ole::PropertyBag& bag) override;
    void OnResize() override;
    void OnPaint() override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override;
    void OnTerminate() override;

private:
    void CreateConstituents();
    void OpenDropDown();
    void SyncDropDown();
    void PositionDropDown();
    void RefreshAll();
    void DrawDropButton(win::HDC hdc);
    int32_t CustomColor(int32_t index) const;
    void SetCustomColor(int32_t index, int32_t color);
    // Stores and notifies only when the value changes.
    void Store(int32_t& field, int32_t value, ole::DISPID id);
    void Store(int32_t& field, int32_t value, const char* name);

    ole::Ptr<forms::Label> m_lblColor;
    ole::Ptr<forms::Label> m_txtValue;
    ole::Ptr<frmColorPicker> m_frmColorPicker;
    int32_t m_activeTab = ksPalette;
    int32_t m_backColor = 0;
    int32_t m_highlightColor = 0;
    int32_t m_highlightForeColor = 0;
    int32_t m_paletteBackColor = 0;
    int32_t m_systemBackColor = 0;
    int32_t m_toolTipBackColor = 0;
    int32_t m_toolTipForeColor = 0;
    std::string m_paletteTabCaption;
    std::string m_systemTabCaption;
    std::array<std::string, kSystemColorCount> m_systemColorNames;
    std::array<std::string, kSystemColorCount> m_defaultSystemColorNames;
    // The custom colours while no drop-down holds them, so a save writes back what was read.
    std::array<int32_t, kCustomColorCount> m_customColors;
    bool m_buttonPressed = false;
    uint32_t m_labelCookie = 0;
};

} // namespace huechooser

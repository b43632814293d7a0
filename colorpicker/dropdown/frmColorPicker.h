#pragma once

#include "colorpicker/dropdown/ColorCell.h"
#include "colorpicker/dropdown/DropDownOwner.h"

#include "shared/gdi/CResourceMgr.h"
#include "shared/subclass/SubclassWnd.h"
#include "shared/subclass/cSubclassListener.h"
#include "shared/tooltip/CToolTip.h"

#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/WeakRef.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace huechooser {

// The window the colour picker drops down: a strip of two tabs over a palette of 48 fixed and 16
// custom colours, or a scrolling list of the 25 system colours. A pick by mouse or Enter reports
// the colour to the control and closes the window; so do Esc, a release anywhere on the cells and,
// for the modeless window, losing activation while the colour dialog is not open.
//
// The object lives as long as the control; each drop-down loads the window again and each close
// unloads it (releasing the GDI cache and the subclassing).
class frmColorPicker : public forms::Form, public shared::cSubclassListener {
public:
    static constexpr int32_t kPaletteCount = 48;
    static constexpr int32_t kCustomCount = 16;
    static constexpr int32_t kSystemCount = 25;

    static ole::Ptr<frmColorPicker> Create();
    // This library's subclassing registry, apart from every other library's.
    static shared::SubclassWnd& Subclassing();
    ~frmColorPicker() override;

    // Written by the control before each drop-down.
    int32_t SelectedColor = 0;
    int32_t HighlightBackColor = static_cast<int32_t>(0x8000000D);
    int32_t HighlightForeColor = static_cast<int32_t>(0x8000000E);
    int32_t PaletteBackColor = 0;
    int32_t SystemPaletteBackColor = 0xFFFFFF;
    std::string PaletteTabCaption = "Palette";
    std::string SystemTabCaption = "System";

    int32_t ActiveTab() const { return m_eActiveTab; }
    void SetActiveTab(int32_t tab);
    // Shows the window for `colorPicker` (a DropDownOwner): modeless and topmost when the host
    // allows, else modal (returning once it closed).
    void Showform(const ole::Ptr<ole::Object>& colorPicker);
    void CloseForm();
    void RecalculateSize();
    void UpdateInfo(const ole::Ptr<ole::Object>& colorPicker);
    // Run-time error 9 outside 0 to 15.
    int32_t GetCustomColor(int32_t index) const;
    void SetCustomColor(int32_t index, int32_t color);
    void SetToolTipBackColor(int32_t color);
    void SetToolTipForeColor(int32_t color);
    int32_t GetToolTipBackColor();
    int32_t GetToolTipForeColor();
    bool isColorDialog() const { return m_colorDialogOpen; }

    bool Shown() const { return m_shown; }
    bool Modal() const { return m_modal; }
    // The window's inner size in pixels (borderless: its whole size).
    win::SIZE InnerPixelSize() const;

    // ---- Inspection for tests ----
    const ColorCell& PaletteCell(int32_t index) const {
        return m_palette.at(static_cast<size_t>(index));
    }
    const ColorCell& CustomCell(int32_t index) const {
        return m_custom.at(static_cast<size_t>(index));
    }
    const ColorCell& SystemRow(int32_t index) const {
        return m_system.at(static_cast<size_t>(index));
    }
    int32_t HotIndex() const { return m_hotIndex; }
    bool HotInCustom() const { return m_hotInCustom; }
    int32_t SelectedIndex() const { return m_selectedIndex; }
    bool SelectedInCustom() const { return m_selectedInCustom; }
    int32_t HotSystemRow() const { return m_hotSystemRow; }
    int32_t SelectedSystemRow() const { return m_selectedSystemRow; }
    bool TabStripFocused() const { return m_tabStripFocused; }
    const win::RECT& PaletteTabRect() const { return m_paletteTabRect; }
    const win::RECT& SystemTabRect() const { return m_systemTabRect; }
    double CellSize() const { return m_cellSize; }
    forms::PictureBox* PaletteContainer() const { return m_PaletteContainer.Get(); }
    forms::PictureBox* TabContainer() const { return m_TabContainer.Get(); }
    forms::VScrollBar* ScrollBar() const { return m_VScrollBar.Get(); }
    shared::CToolTip* ToolTip() const { return m_toolTip.get(); }

    // ---- cSubclassListener ----
    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

    frmColorPicker();

protected:
    void OnEvent(ole::DISPID id, std::span<ole::Variant> args) override;

private:
    using Handler = std::function<void(frmColorPicker&, std::span<ole::Variant>)>;

    // Set-up (frmColorPicker.cpp).
    void BuildControls();
    void Connect(const ole::Ptr<ole::Object>& source, ole::DISPID event, Handler handler);
    void OnLoad();
    void OnUnload();
    void ShowWindow(bool modal);
    DropDownOwner* Owner(ole::Ptr<ole::Object>& hold) const;
    void CreateToolTip();
    void ApplyToolTipColors();
    void HookForm();
    void UnhookForm();
    void HookContainer();
    void UnhookContainer();
    win::LRESULT FormMessage(win::UINT msg, win::WPARAM wParam, bool& route);
    win::LRESULT ContainerMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                                  bool& route);
    void RaiseTabChanged();
    void RaiseSelectedColorChanged(int32_t color);
    void RaiseCustomColorChanged(int16_t index, int32_t color);

    // Geometry (frmColorPickerLayout.cpp).
    void MeasureTabs();
    void FormResized();
    void TabContainerResized();
    void ContainerResized();
    void PaletteContainerResized();
    void ScrollChanged();

    // Painting (frmColorPickerPaint.cpp).
    void PaintPalette();
    void PaintCells(win::HDC hdc);
    // The active tab's row or cells of SelectedColor become the selected (and hot) ones.
    void FindSelected();
    void DrawTabStrip();
    void DrawTab(win::HDC hdc, const win::RECT& full, const win::RECT& tab,
                 const std::string& caption, bool focused);
    void DrawColorBox(win::HDC hdc, const win::RECT& rect, int32_t color);
    void DrawCellFrame(win::HDC hdc, const win::RECT& rect, int32_t color);
    void DrawSelectedFrame(win::HDC hdc);
    win::RECT HotCellRect() const;
    const ColorCell* HotCell() const;
    const ColorCell* SelectedCell() const;
    int32_t ContainerForeColor() const;
    void RepaintPalette();
    void RepaintTabStrip();

    // Input (frmColorPickerInput.cpp).
    void PaletteMouseMove(float x, float y);
    void PaletteMouseUp(int16_t button, float x, float y);
    void HotTrackPalette(win::POINT pt);
    void HotTrackSystem(win::POINT pt);
    void ShowNameTip(int32_t row);
    void FormKeyDown(int16_t keyCode);
    void MovePaletteHot(int16_t keyCode);
    void SwitchTabByKey(int32_t tab);
    // Repaints and lays out for the new tab, then raises TabChanged.
    void ShowTabChange();
    void TabStripMouseDown(int16_t button, float x, float y);
    void TabStripLostFocus();
    void ChooseCustomColor();
    void AddCustomColor(int32_t color);
    win::POINT PalettePoint(float x, float y) const;

    ole::Ptr<forms::PictureBox> m_TabContainer;
    ole::Ptr<forms::PictureBox> m_Container;
    ole::Ptr<forms::PictureBox> m_PaletteContainer;
    ole::Ptr<forms::VScrollBar> m_VScrollBar;
    ole::Ptr<forms::Label> m_lblDummy;
    ole::Ptr<forms::CommandButton> m_cmdCancel;
    std::vector<std::pair<ole::Ptr<ole::Object>, uint32_t>> m_connections;

    int32_t m_eActiveTab = 0;
    std::array<ColorCell, kPaletteCount> m_palette;
    std::array<ColorCell, kCustomCount> m_custom;
    std::array<ColorCell, kSystemCount> m_system;
    int32_t m_hotIndex = -1;
    bool m_hotInCustom = false;
    int32_t m_hotSystemRow = -1;
    bool m_systemHot = false;
    int32_t m_selectedIndex = -1;
    bool m_selectedInCustom = false;
    int32_t m_selectedSystemRow = -1;
    int32_t m_toolTipRow = -1;
    bool m_shown = false;
    bool m_modal = false;
    bool m_colorDialogOpen = false;
    bool m_tabStripFocused = false;
    // PaletteClosed went out for this load.
    bool m_closeReported = false;
    double m_cellSize = 0;
    double m_tabWidth = 0;
    double m_tabHeight = 0;
    win::RECT m_paletteTabRect{};
    win::RECT m_systemTabRect{};
    ole::WeakRef<ole::Object> m_control;
    std::unique_ptr<shared::CToolTip> m_toolTip;
    // The tip's colours outlive the tip, which dies with each load's cell window.
    int32_t m_toolTipBackColor = static_cast<int32_t>(0x80000018);
    int32_t m_toolTipForeColor = 0;
    std::unique_ptr<shared::CResourceMgr> m_resources;
    win::HWND m_hwnd;
    win::HWND m_containerHwnd;
    std::array<win::COLORREF, kCustomCount> m_dialogColors;
    int16_t m_nextCustomSlot = 0;
};

} // namespace huechooser

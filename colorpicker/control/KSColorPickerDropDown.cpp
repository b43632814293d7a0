// The control's side of the drop-down: opening it from a press, handing it the control's
// settings and place, and turning what it reports into events and notifications.

#include "colorpicker/control/KSColorPicker.h"

#include "colorpicker/dropdown/frmColorPicker.h"

#include "shared/util/FontUtils.h"

#include "platform/forms/host/Ambient.h"
#include "platform/win/Win.h"

#include <string>

namespace huechooser {

// At design time the drop-down, which subclasses windows and makes a tooltip, is not opened.
void KSColorPicker::OnMouseDown(int16_t, int16_t, float, float) {
    if (!GetAmbient()->UserMode())
        return;
    // Held for the whole press: a modal drop-down runs a loop in which the host may let go of us.
    ole::Ptr<KSColorPicker> self(this);
    m_buttonPressed = true;
    RefreshAll();
    OpenDropDown();
}

void KSColorPicker::OnMouseUp(int16_t, int16_t, float, float) {
    m_buttonPressed = false;
    RefreshAll();
}

void KSColorPicker::OpenDropDown() {
    if (!m_frmColorPicker) {
        m_frmColorPicker = frmColorPicker::Create();
        // What a bag gave before the window existed reaches it now, quietly.
        for (int32_t i = 0; i < kCustomColorCount; ++i)
            m_frmColorPicker->SetCustomColor(i, m_customColors[static_cast<size_t>(i)]);
    }
    ole::Ptr<frmColorPicker> dropDown = m_frmColorPicker;
    SyncDropDown();
    PositionDropDown();
    dropDown->Showform(ole::Ptr<ole::Object>(this));
}

void KSColorPicker::SyncDropDown() {
    frmColorPicker& dropDown = *m_frmColorPicker;
    dropDown.SetActiveTab(m_activeTab);
    if (ole::Ptr<ole::Font> font = GetFont())
        shared::CopyFont(*dropDown.Font(), *font);
    dropDown.SetForeColor(static_cast<forms::OLE_COLOR>(GetForeColor()));
    dropDown.HighlightBackColor = m_highlightColor;
    dropDown.HighlightForeColor = m_highlightForeColor;
    dropDown.PaletteBackColor = m_paletteBackColor;
    dropDown.PaletteTabCaption = m_paletteTabCaption;
    dropDown.SelectedColor = GetSelectedColor();
    dropDown.SystemPaletteBackColor = m_systemBackColor;
    dropDown.SystemTabCaption = m_systemTabCaption;
    dropDown.SetToolTipBackColor(m_toolTipBackColor);
    dropDown.SetToolTipForeColor(m_toolTipForeColor);
    dropDown.UpdateInfo(ole::Ptr<ole::Object>(this));
    dropDown.RecalculateSize();
}

// Right edges line up; below the control unless it would reach the screen's bottom, then above.
// Either position may lie partly off screen: it is not clamped.
void KSColorPicker::PositionDropDown() {
    win::RECT control;
    win::GetWindowRect(hWnd(), &control);
    const int screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    const win::SIZE size = m_frmColorPicker->InnerPixelSize();
    const int x = control.right - size.cx;
    const int y = control.bottom + size.cy < screenHeight ? control.bottom : control.top - size.cy;
    win::SetWindowPos(m_frmColorPicker->Window(), win::HWND_TOP, x, y, 0, 0, win::SWP_NOSIZE);
}

int32_t KSColorPicker::CustomColor(int32_t index) const {
    if (m_frmColorPicker)
        return m_frmColorPicker->GetCustomColor(index);
    return m_customColors[static_cast<size_t>(index)];
}

void KSColorPicker::SetCustomColor(int32_t index, int32_t color) {
    m_customColors[static_cast<size_t>(index)] = color;
    if (m_frmColorPicker)
        m_frmColorPicker->SetCustomColor(index, color);
    PropertyChanged("CustomColor" + std::to_string(index));
}

void KSColorPicker::DropDownTabChanged() {
    RaiseEvent(EvTabChanged);
}

void KSColorPicker::DropDownSelectedColorChanged(int32_t color) {
    ole::Ptr<KSColorPicker> self(this);
    LetSelectedColor(color);
    RaiseEvent(EvSelectedColorChanged);
}

void KSColorPicker::DropDownOpened() {
    RaiseEvent(EvPaletteOpened);
}

// The release that would end the press went to the drop-down, so the button is let go here.
void KSColorPicker::DropDownClosed() {
    ole::Ptr<KSColorPicker> self(this);
    RaiseEvent(EvPaletteClosed);
    m_buttonPressed = false;
    Refresh();
}

void KSColorPicker::DropDownCustomColorChanged(int16_t index, int32_t color) {
    if (index >= 0 && index < kCustomColorCount)
        m_customColors[static_cast<size_t>(index)] = color;
    PropertyChanged("CustomColor" + std::to_string(index));
}

std::string KSColorPicker::SystemColorNameOf(int32_t index) const {
    return GetSystemColorName(index);
}

} // namespace huechooser

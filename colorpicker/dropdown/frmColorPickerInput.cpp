// Mouse and keyboard on the drop-down: hot tracking, picks, the keyboard walk over the 64 cells,
// tab switches and the colour dialog for custom colours.

#include "colorpicker/dropdown/frmColorPicker.h"

#include "platform/base/Rounding.h"
#include "platform/forms/dialogs/color/ColorDialog.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

namespace huechooser {

using ole::ResumeNext;

namespace {

constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;

// Strict on all four sides: a point on an edge hits nothing.
bool PointInCell(const win::RECT& rect, win::POINT pt) {
    return rect.left < pt.x && pt.x < rect.right && rect.top < pt.y && pt.y < rect.bottom;
}

struct CellIndex {
    int32_t index;
    bool custom;
};

// The keyboard walk: palette cells 0 to 47 in six rows of eight, custom cells 0 to 15 in the two
// rows below; moving off one end of the grid comes back at the other.
//
//   key    palette p                                   custom c
//   Down   p + 8; last row: custom p - 40              c < 8: c + 8; 15: palette 0; else palette c
//   - 7 Up     p - 8; 0: custom 15; 1..7: custom p + 7     c >= 8: c - 8; else palette c + 40 Left
//   p - 1; 0: custom 15                         c - 1; 0: palette 47 Right  p + 1; 47: custom 0 c +
//   1; 15: palette 0
CellIndex Step(CellIndex from, int16_t key) {
    const int32_t p = from.index;
    if (!from.custom) {
        switch (key) {
        case win::VK_DOWN:
            return p >= 40 ? CellIndex{p - 40, true} : CellIndex{p + 8, false};
        case win::VK_UP:
            if (p >= 8)
                return {p - 8, false};
            return p == 0 ? CellIndex{15, true} : CellIndex{p + 7, true};
        case win::VK_LEFT:
            return p == 0 ? CellIndex{15, true} : CellIndex{p - 1, false};
        default:
            return p == 47 ? CellIndex{0, true} : CellIndex{p + 1, false};
        }
    }
    switch (key) {
    case win::VK_DOWN:
        if (p < 8)
            return {p + 8, true};
        return p == 15 ? CellIndex{0, false} : CellIndex{p - 7, false};
    case win::VK_UP:
        return p >= 8 ? CellIndex{p - 8, true} : CellIndex{p + 40, false};
    case win::VK_LEFT:
        return p == 0 ? CellIndex{47, false} : CellIndex{p - 1, true};
    default:
        return p == 15 ? CellIndex{0, false} : CellIndex{p + 1, true};
    }
}

} // namespace

win::POINT frmColorPicker::PalettePoint(float x, float y) const {
    return {base::RoundHalfEvenToInt32(x), base::RoundHalfEvenToInt32(y)};
}

void frmColorPicker::PaletteMouseMove(float x, float y) {
    if (m_eActiveTab == 1)
        HotTrackSystem(PalettePoint(x, y));
    else
        HotTrackPalette(PalettePoint(x, y));
}

void frmColorPicker::HotTrackPalette(win::POINT pt) {
    if (!m_resources)
        return;
    const win::WindowDc dc(m_PaletteContainer->Window());
    if (!dc.Get())
        return;
    m_systemHot = false;
    m_hotSystemRow = -1;
    if (m_hotIndex >= 0)
        DrawCellFrame(dc.Get(), HotCellRect(), m_PaletteContainer->BackColor());
    m_hotIndex = -1;
    for (int32_t i = 0; i < kPaletteCount && m_hotIndex < 0; ++i) {
        if (PointInCell(m_palette[static_cast<size_t>(i)].rect, pt)) {
            m_hotIndex = i;
            m_hotInCustom = false;
        }
    }
    for (int32_t i = 0; i < kCustomCount && m_hotIndex < 0; ++i) {
        if (PointInCell(m_custom[static_cast<size_t>(i)].rect, pt)) {
            m_hotIndex = i;
            m_hotInCustom = true;
        }
    }
    if (m_hotIndex >= 0)
        DrawCellFrame(dc.Get(), HotCellRect(), HighlightBackColor);
    DrawSelectedFrame(dc.Get());
}

void frmColorPicker::HotTrackSystem(win::POINT pt) {
    if (!m_resources)
        return;
    const win::WindowDc dc(m_PaletteContainer->Window());
    if (!dc.Get())
        return;
    m_hotIndex = -1;
    if (m_systemHot && m_hotSystemRow >= 0)
        DrawCellFrame(dc.Get(), HotCellRect(), m_PaletteContainer->BackColor());
    m_systemHot = false;
    m_hotSystemRow = -1;
    for (int32_t i = 0; i < kSystemCount; ++i) {
        if (PointInCell(m_system[static_cast<size_t>(i)].rect, pt)) {
            m_hotSystemRow = i;
            m_systemHot = true;
            break;
        }
    }
    if (!m_systemHot)
        return;
    DrawCellFrame(dc.Get(), HotCellRect(), HighlightBackColor);
    ResumeNext([&] { ShowNameTip(m_hotSystemRow); });
}

// A name cut off in its row is shown whole in the tip, over the row's name. The row's own
// rectangle is only read: the tip's placement is worked out on a copy.
void frmColorPicker::ShowNameTip(int32_t row) {
    ole::Ptr<ole::Object> hold;
    DropDownOwner* owner = Owner(hold);
    if (!owner || !m_toolTip)
        return;
    const std::string name = owner->SystemColorNameOf(row);
    const ColorCell& cell = m_system[static_cast<size_t>(row)];
    const int s = static_cast<int>(m_cellSize);
    win::SIZE extent{};
    {
        const win::WindowDc dc(m_PaletteContainer->Window());
        const win::SelectedObject font(dc.Get(), m_resources->GetFont(*Font(), "CurrentFont"));
        win::GetTextExtentPoint32A(dc.Get(), name.c_str(), static_cast<int>(name.size()), &extent);
    }
    if (extent.cx <= (cell.rect.right - cell.rect.left) - s)
        return;
    const win::UINT_PTR tool = m_PaletteContainer->Window().Value();
    if (m_toolTipRow != row) {
        m_toolTip->SetNewToolRect(tool, cell.rect.left, cell.rect.top,
                                  cell.rect.right - cell.rect.left,
                                  cell.rect.bottom - cell.rect.top);
        m_toolTipRow = row;
        m_toolTip->SetText(tool, name);
        m_toolTip->Activate(true);
    }
    win::RECT adjusted = cell.rect;
    m_toolTip->AdjustRect(&adjusted);
    win::POINT at{adjusted.left + s, adjusted.top};
    win::ClientToScreen(m_PaletteContainer->Window(), &at);
    m_toolTip->SetToolWindowPos(at.x, at.y);
}

// Every release closes the window; a pick is reported after the close.
void frmColorPicker::PaletteMouseUp(int16_t button, float, float) {
    ole::Ptr<frmColorPicker> self(this);
    bool picked = false;
    if (m_eActiveTab == 1) {
        if (button == kLeftButton && m_systemHot && m_hotSystemRow >= 0) {
            m_selectedSystemRow = m_hotSystemRow;
            SelectedColor = m_system[static_cast<size_t>(m_hotSystemRow)].color;
            picked = true;
        }
    } else if (button == kLeftButton && m_hotIndex >= 0) {
        m_selectedIndex = m_hotIndex;
        m_selectedInCustom = m_hotInCustom;
        SelectedColor = HotCell()->color;
        picked = true;
    } else if (button == kRightButton && m_hotIndex >= 0 && m_hotInCustom) {
        ChooseCustomColor();
        picked = true;
    }
    CloseForm();
    if (picked)
        RaiseSelectedColorChanged(SelectedColor);
}

void frmColorPicker::FormKeyDown(int16_t keyCode) {
    ole::Ptr<frmColorPicker> self(this);
    if (keyCode == win::VK_RETURN) {
        bool taken = false;
        if (m_eActiveTab == 1 && m_systemHot && m_hotSystemRow >= 0) {
            m_selectedSystemRow = m_hotSystemRow;
            SelectedColor = m_system[static_cast<size_t>(m_hotSystemRow)].color;
            taken = true;
        } else if (m_eActiveTab == 0 && m_hotIndex >= 0) {
            m_selectedIndex = m_hotIndex;
            m_selectedInCustom = m_hotInCustom;
            SelectedColor = HotCell()->color;
            taken = true;
        }
        if (taken)
            RaiseSelectedColorChanged(SelectedColor);
        CloseForm();
        return;
    }
    if (keyCode == win::VK_ESCAPE) {
        CloseForm();
        return;
    }
    ResumeNext([&] {
        switch (keyCode) {
        case win::VK_DOWN:
        case win::VK_UP:
            if (m_eActiveTab == 1) {
                const int step = keyCode == win::VK_DOWN ? m_VScrollBar->GetSmallChange()
                                                         : -m_VScrollBar->GetSmallChange();
                const int value = m_VScrollBar->GetValue() + step;
                if (value >= m_VScrollBar->GetMin() && value <= m_VScrollBar->GetMax())
                    m_VScrollBar->SetValue(static_cast<int16_t>(value));
            } else {
                MovePaletteHot(keyCode);
            }
            break;
        case win::VK_LEFT:
            if (m_eActiveTab == 1 && m_tabStripFocused)
                SwitchTabByKey(0);
            else if (m_eActiveTab == 0)
                MovePaletteHot(keyCode);
            break;
        case win::VK_RIGHT:
            if (m_eActiveTab == 0 && m_tabStripFocused)
                SwitchTabByKey(1);
            else if (m_eActiveTab == 0)
                MovePaletteHot(keyCode);
            break;
        default:
            break;
        }
    });
}

// With neither a hot nor a selected cell there is nowhere to move from: the first key only makes
// palette cell 0 hot.
void frmColorPicker::MovePaletteHot(int16_t keyCode) {
    if (!m_resources)
        return;
    const win::WindowDc dc(m_PaletteContainer->Window());
    if (!dc.Get())
        return;
    if (m_tabStripFocused) {
        DrawSelectedFrame(dc.Get());
        return;
    }
    m_systemHot = false;
    CellIndex from{};
    if (m_hotIndex >= 0) {
        DrawCellFrame(dc.Get(), HotCellRect(), m_PaletteContainer->BackColor());
        from = {m_hotIndex, m_hotInCustom};
    } else if (m_selectedIndex >= 0) {
        from = {m_selectedIndex, m_selectedInCustom};
    } else {
        from = {-1, false};
    }
    const CellIndex to = from.index < 0 ? CellIndex{0, false} : Step(from, keyCode);
    m_hotIndex = to.index;
    m_hotInCustom = to.custom;
    DrawCellFrame(dc.Get(), HotCellRect(), HighlightBackColor);
    DrawSelectedFrame(dc.Get());
}

void frmColorPicker::SwitchTabByKey(int32_t tab) {
    SetActiveTab(tab);
    ShowTabChange();
}

void frmColorPicker::ShowTabChange() {
    RepaintTabStrip();
    ContainerResized();
    m_PaletteContainer->DoCls();
    RepaintPalette();
    RaiseTabChanged();
}

void frmColorPicker::TabStripMouseDown(int16_t button, float x, float y) {
    if (button != kLeftButton)
        return;
    const win::POINT pt = PalettePoint(x, y);
    int32_t tab = -1;
    if (PointInCell(m_paletteTabRect, pt))
        tab = 0;
    else if (PointInCell(m_systemTabRect, pt))
        tab = 1;
    if (tab < 0)
        return;
    const bool changed = tab != m_eActiveTab;
    const bool hadFocus = m_tabStripFocused;
    SetActiveTab(tab);
    m_tabStripFocused = true;
    if (!changed && hadFocus)
        return;
    m_VScrollBar->SetValue(m_VScrollBar->GetMin());
    ShowTabChange();
}

void frmColorPicker::TabStripLostFocus() {
    m_tabStripFocused = false;
    RepaintTabStrip();
}

void frmColorPicker::ChooseCustomColor() {
    win::CHOOSECOLORA cc;
    cc.lStructSize = win::CHOOSECOLORA_V1_SIZE;
    cc.hwndOwner = m_hwnd;
    cc.rgbResult = 0;
    cc.lpCustColors = m_dialogColors.data();
    cc.Flags = win::CC_FULLOPEN;
    // While the dialog is open the window's deactivation must not close it.
    struct DialogOpen {
        bool& flag;
        explicit DialogOpen(bool& f) : flag(f) { flag = true; }
        ~DialogOpen() { flag = false; }
    };
    bool confirmed = false;
    {
        const DialogOpen open(m_colorDialogOpen);
        confirmed = win::ChooseColorA(&cc) != 0;
    }
    if (confirmed)
        AddCustomColor(static_cast<int32_t>(cc.rgbResult));
}

// The custom cells fill in turn, whichever one was clicked.
void frmColorPicker::AddCustomColor(int32_t color) {
    if (m_nextCustomSlot > 15)
        m_nextCustomSlot = 0;
    const int16_t slot = m_nextCustomSlot;
    m_custom[static_cast<size_t>(slot)].color = color;
    m_hotIndex = m_selectedIndex = slot;
    m_hotInCustom = m_selectedInCustom = true;
    SelectedColor = color;
    RaiseCustomColorChanged(slot, color);
    ++m_nextCustomSlot;
}

} // namespace huechooser

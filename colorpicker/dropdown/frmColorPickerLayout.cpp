// The drop-down's geometry, all in pixels: tab sizes from the captions, the window's size from
// the font, and the cells laid out on the cell surface.

#include "colorpicker/dropdown/frmColorPicker.h"

#include "shared/util/FontUtils.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <algorithm>
#include <cmath>

namespace huechooser {

using ole::ResumeNext;

namespace {

int Round(double value) {
    return base::RoundHalfEvenToInt32(value);
}

win::RECT Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace

void frmColorPicker::MeasureTabs() {
    if (!m_lblDummy)
        return;
    m_lblDummy->SetAutoSize(true);
    m_lblDummy->SetVisible(false);
    int width = 0;
    int height = 0;
    for (const std::string* caption : {&PaletteTabCaption, &SystemTabCaption}) {
        m_lblDummy->SetCaption(*caption);
        const win::RECT r = m_lblDummy->PixelBounds();
        width = std::max(width, static_cast<int>(r.right - r.left));
        height = std::max(height, static_cast<int>(r.bottom - r.top));
    }
    m_tabWidth = width * 1.4;
    m_tabHeight = height * 1.5;
    m_paletteTabRect = {0, 0, Round(m_tabWidth), Round(m_tabHeight)};
    m_systemTabRect = {Round(m_tabWidth), 0, Round(2 * m_tabWidth), Round(m_tabHeight)};
}

// The cells follow the font: a cell is 1.2 text lines high, and the window is wide enough for
// both tabs.
void frmColorPicker::RecalculateSize() {
    LoadForm();
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             m_TabContainer.Get(), m_lblDummy.Get(), m_PaletteContainer.Get()}) {
        ole::Ptr<ole::Font> font;
        if (auto* picture = dynamic_cast<forms::PictureBox*>(control))
            font = picture->Font();
        else if (auto* label = dynamic_cast<forms::Label*>(control))
            font = label->Font();
        if (font)
            shared::CopyFont(*font, *Font());
    }
    MeasureTabs();
    double width = InnerPixelSize().cx;
    if (const win::HFONT font =
            m_resources ? m_resources->GetFont(*Font(), "CurrentFont") : win::HFONT{}) {
        const win::WindowDc dc(m_PaletteContainer->Window());
        if (dc.Get()) {
            const win::SelectedObject selected(dc.Get(), font);
            win::SIZE extent{};
            win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &extent);
            const double cell = extent.cy * 1.2;
            const double needed = 8 * cell + 10;
            width = 2 * m_tabWidth >= needed ? 2 * m_tabWidth : needed;
        }
    }
    // A window larger than the screen shows nothing more and costs its whole surface: a long tab
    // caption or a huge font is cut to the screen instead of asking for gigabytes.
    width = std::min(width, static_cast<double>(win::GetSystemMetrics(win::SM_CXSCREEN)));
    const double cell = (width - 10) / 8;
    const double height = std::min(8 * cell + m_tabHeight + 10,
                                   static_cast<double>(win::GetSystemMetrics(win::SM_CYSCREEN)));
    win::RECT frame = PixelBounds();
    SetPixelBounds(Bounds(frame.left, frame.top, Round(width), Round(height)));
    RepaintPalette();
    ContainerResized();
}

void frmColorPicker::FormResized() {
    const win::SIZE inner = InnerPixelSize();
    m_cellSize = std::max(0, static_cast<int>(inner.cx) - 10) / 8;
    if (m_TabContainer)
        m_TabContainer->SetPixelBounds(Bounds(0, 0, inner.cx, inner.cy));
}

void frmColorPicker::TabContainerResized() {
    MeasureTabs();
    if (!m_Container)
        return;
    const win::RECT strip = m_TabContainer->PixelBounds();
    const int tabHeight = Round(m_tabHeight);
    ResumeNext([&] {
        m_Container->SetPixelBounds(Bounds(4, tabHeight + 4, (strip.right - strip.left) - 8,
                                           (strip.bottom - strip.top) - tabHeight - 8));
    });
}

// The system tab scrolls its 25 rows with the bar beside them; the palette fills the container.
// The list stands where the bar does: a switch back by key keeps the bar's value.
void frmColorPicker::ContainerResized() {
    if (!m_Container || !m_PaletteContainer)
        return;
    const win::RECT box = m_Container->PixelBounds();
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (m_eActiveTab == 1) {
        const int bar = win::GetSystemMetrics(win::SM_CXVSCROLL);
        const int listHeight = Round(kSystemCount * m_cellSize);
        ResumeNext([&] {
            m_PaletteContainer->SetBackColor(ole::Variant(SystemPaletteBackColor));
            const int top = m_VScrollBar ? -m_VScrollBar->GetValue() : 0;
            m_PaletteContainer->SetPixelBounds(Bounds(0, top, width - bar, listHeight));
        });
        ResumeNext([&] {
            m_VScrollBar->SetVisible(true);
            m_VScrollBar->SetPixelBounds(Bounds(width - bar, 0, bar, height));
            m_VScrollBar->SetMin(0);
            m_VScrollBar->SetMax(static_cast<int16_t>(std::clamp(listHeight - height, 0, 32767)));
            m_VScrollBar->SetSmallChange(static_cast<int16_t>(
                std::clamp(Round(listHeight / double(kSystemCount)), 1, 32767)));
            m_VScrollBar->SetLargeChange(
                static_cast<int16_t>(std::clamp(Round(height / 2.0), 1, 32767)));
        });
    } else {
        ResumeNext([&] {
            m_VScrollBar->SetVisible(false);
            m_PaletteContainer->SetBackColor(ole::Variant(PaletteBackColor));
            m_PaletteContainer->SetPixelBounds(Bounds(0, 0, width, height));
        });
    }
    PaletteContainerResized();
}

void frmColorPicker::PaletteContainerResized() {
    if (!m_PaletteContainer)
        return;
    win::RECT client{};
    win::GetClientRect(m_PaletteContainer->Window(), &client);
    const double s = m_cellSize;
    if (m_eActiveTab == 1) {
        double y = 0;
        for (ColorCell& row : m_system) {
            row.rect = {0, Round(y), client.right, Round(y + s)};
            y += s;
        }
        return;
    }
    const double x0 = Round((client.right - 8 * s) / 2);
    const double y0 = Round((client.bottom - 8 * s) / 2);
    double x = x0;
    double y = y0;
    int column = 0;
    auto place = [&](ColorCell& cell) {
        cell.rect = {Round(x), Round(y), Round(x + s), Round(y + s)};
        x += s;
        if (++column == 8) {
            column = 0;
            x = x0;
            y += s;
        }
    };
    std::for_each(m_palette.begin(), m_palette.end(), place);
    std::for_each(m_custom.begin(), m_custom.end(), place);
}

void frmColorPicker::ScrollChanged() {
    if (!m_PaletteContainer || !m_VScrollBar)
        return;
    win::RECT cells = m_PaletteContainer->PixelBounds();
    const int top = -m_VScrollBar->GetValue();
    m_PaletteContainer->SetPixelBounds(
        {cells.left, top, cells.right, top + (cells.bottom - cells.top)});
}

} // namespace huechooser

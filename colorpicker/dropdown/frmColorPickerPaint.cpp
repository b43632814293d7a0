// Painting of the drop-down: the tab strip and the cells. Every pen and brush comes from the
// window's cache and stays there; each selection is undone by its guard.

#include "colorpicker/dropdown/frmColorPicker.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/TextUtils.h"

#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

namespace huechooser {

namespace {

constexpr uint32_t kButtonHighlight = 0x80000014;
constexpr uint32_t kButtonDarkShadow = 0x80000015;
constexpr uint32_t kButtonShadow = 0x80000010;

win::COLORREF Rgb(int32_t color) {
    return shared::TranslateColor(static_cast<uint32_t>(color));
}

void Line(win::HDC hdc, int x1, int y1, int x2, int y2) {
    win::MoveToEx(hdc, x1, y1, nullptr);
    win::LineTo(hdc, x2, y2);
}

} // namespace

int32_t frmColorPicker::ContainerForeColor() const {
    return m_PaletteContainer ? m_PaletteContainer->ForeColor() : static_cast<int32_t>(ForeColor());
}

void frmColorPicker::RepaintPalette() {
    if (m_PaletteContainer && m_PaletteContainer->IsAlive())
        m_PaletteContainer->Refresh();
}

// The strip alone: repainting the cells too would reset their hot cell to the selected one.
void frmColorPicker::RepaintTabStrip() {
    if (m_TabContainer && m_TabContainer->IsAlive())
        win::RedrawWindow(m_TabContainer->Window(), nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

// A paint also finds the selected colour again: the matching row or cell becomes the selected
// (and, on the palette, the hot) one.
void frmColorPicker::PaintPalette() {
    if (!m_resources || !m_PaletteContainer)
        return;
    const win::WindowDc dc(m_PaletteContainer->Window());
    if (!dc.Get())
        return;
    PaintCells(dc.Get());
}

void frmColorPicker::PaintCells(win::HDC hdc) {
    FindSelected();
    const win::SavedDc saved(hdc);
    win::SetBkMode(hdc, win::TRANSPARENT);
    if (m_eActiveTab == 1) {
        const win::HFONT font = m_resources->GetFont(*Font(), "CurrentFont");
        const win::SelectedObject selectedFont(hdc, font);
        const int s = static_cast<int>(m_cellSize);
        ole::Ptr<ole::Object> hold;
        DropDownOwner* owner = Owner(hold);
        for (int32_t i = 0; i < kSystemCount; ++i) {
            ColorCell& row = m_system[static_cast<size_t>(i)];
            if (owner)
                row.name = owner->SystemColorNameOf(i);
            const win::RECT& r = row.rect;
            if (i == m_selectedSystemRow) {
                win::SetTextColor(hdc, Rgb(HighlightForeColor));
                const win::SelectedObject brush(
                    hdc, m_resources->GetBrush(Rgb(HighlightBackColor), "BackgroundBrush"));
                const win::SelectedObject pen(
                    hdc, m_resources->GetPen(Rgb(ContainerForeColor()), "ForecolorPen", 0, 0));
                win::Rectangle(hdc, r.left, r.top - 1, r.right, r.bottom);
            } else {
                win::SetTextColor(hdc, Rgb(ContainerForeColor()));
            }
            DrawColorBox(hdc, {r.left, r.top - 1, r.left + s, r.bottom}, row.color);
            shared::DrawTextEllipsis(hdc, row.name, {r.left + s, r.top - 1, r.right, r.bottom},
                                     shared::TextPlacement::Top);
        }
        return;
    }
    for (const ColorCell& cell : m_palette)
        DrawColorBox(hdc, cell.rect, cell.color);
    for (const ColorCell& cell : m_custom)
        DrawColorBox(hdc, cell.rect, cell.color);
    DrawSelectedFrame(hdc);
}

// A colour both in the palette and among the custom cells is selected in the palette; the hot
// cursor starts on the custom cell.
void frmColorPicker::FindSelected() {
    if (m_eActiveTab == 1) {
        for (int32_t i = 0; i < kSystemCount; ++i) {
            if (m_system[static_cast<size_t>(i)].color == SelectedColor) {
                m_selectedSystemRow = i;
                m_hotIndex = -1;
            }
        }
        return;
    }
    bool paletteMatched = false;
    for (int32_t i = 0; i < kPaletteCount; ++i) {
        if (m_palette[static_cast<size_t>(i)].color == SelectedColor) {
            m_hotIndex = m_selectedIndex = i;
            m_hotInCustom = m_selectedInCustom = false;
            paletteMatched = true;
        }
    }
    for (int32_t i = 0; i < kCustomCount; ++i) {
        if (m_custom[static_cast<size_t>(i)].color == SelectedColor) {
            m_hotIndex = i;
            m_hotInCustom = true;
            if (!paletteMatched) {
                m_selectedIndex = i;
                m_selectedInCustom = true;
            }
        }
    }
}

void frmColorPicker::DrawColorBox(win::HDC hdc, const win::RECT& rect, int32_t color) {
    const int c = m_eActiveTab == 1 ? 2 : 1;
    const win::SelectedObject brush(hdc, m_resources->GetBrush(Rgb(color), "BackgroundBrush"));
    const win::SelectedObject pen(
        hdc, m_resources->GetPen(Rgb(ContainerForeColor()), "ForecolorPen", 0, 0));
    win::Rectangle(hdc, rect.left + c, rect.top + c, rect.right - c, rect.bottom - c);
}

void frmColorPicker::DrawCellFrame(win::HDC hdc, const win::RECT& rect, int32_t color) {
    const win::SelectedObject pen(hdc, m_resources->GetPen(Rgb(color), "RectangleBorder", 0, 0));
    win::MoveToEx(hdc, rect.left, rect.top, nullptr);
    win::LineTo(hdc, rect.left, rect.bottom);
    win::LineTo(hdc, rect.right, rect.bottom);
    win::LineTo(hdc, rect.right, rect.top);
    win::LineTo(hdc, rect.left, rect.top);
}

// The hot row on the system tab, the hot cell on the palette: a hot row left from the other tab
// is never taken.
const ColorCell* frmColorPicker::HotCell() const {
    if (m_eActiveTab == 1)
        return m_systemHot && m_hotSystemRow >= 0 ? &m_system[static_cast<size_t>(m_hotSystemRow)]
                                                  : nullptr;
    if (m_hotIndex < 0)
        return nullptr;
    return m_hotInCustom ? &m_custom[static_cast<size_t>(m_hotIndex)]
                         : &m_palette[static_cast<size_t>(m_hotIndex)];
}

const ColorCell* frmColorPicker::SelectedCell() const {
    if (m_selectedIndex < 0)
        return nullptr;
    return m_selectedInCustom ? &m_custom[static_cast<size_t>(m_selectedIndex)]
                              : &m_palette[static_cast<size_t>(m_selectedIndex)];
}

win::RECT frmColorPicker::HotCellRect() const {
    const ColorCell* cell = HotCell();
    if (!cell)
        return {};
    const win::RECT& r = cell->rect;
    if (m_eActiveTab == 1)
        return {r.left, r.top - 1, r.right - 1, r.bottom - 1};
    return {r.left, r.top, r.right - 1, r.bottom - 1};
}

void frmColorPicker::DrawSelectedFrame(win::HDC hdc) {
    if (const ColorCell* cell = SelectedCell())
        DrawCellFrame(hdc, cell->rect, HighlightForeColor);
}

// Two tabs over a framed body: the inactive tab sits 3 pixels lower (and, on the left, 3 pixels
// narrower), the active one is whole and joins the body, with a focus rectangle while the strip
// has the focus.
void frmColorPicker::DrawTabStrip() {
    if (!m_resources || !m_TabContainer)
        return;
    const win::WindowDc dc(m_TabContainer->Window());
    if (!dc.Get())
        return;
    const win::HDC hdc = dc.Get();
    const win::SavedDc saved(hdc);
    const bool systemActive = m_eActiveTab == 1;
    const win::RECT& active = systemActive ? m_systemTabRect : m_paletteTabRect;
    const win::RECT& inactive = systemActive ? m_paletteTabRect : m_systemTabRect;
    win::RECT lowered = inactive;
    lowered.top += 3;
    if (systemActive)
        lowered.left += 3;
    DrawTab(hdc, inactive, lowered, systemActive ? PaletteTabCaption : SystemTabCaption, false);
    DrawTab(hdc, active, active, systemActive ? SystemTabCaption : PaletteTabCaption,
            m_tabStripFocused);

    win::RECT client;
    win::GetClientRect(m_TabContainer->Window(), &client);
    const int w = client.right;
    const int h = client.bottom;
    const int tabW = static_cast<int>(m_paletteTabRect.right);
    const int tabH = static_cast<int>(m_paletteTabRect.bottom);
    {
        const win::SelectedObject pen(
            hdc,
            m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonHighlight)), "TabHighlight", 0, 0));
        Line(hdc, 0, tabH, 0, h);
        if (systemActive) {
            Line(hdc, 0, tabH, tabW, tabH);
            Line(hdc, 2 * tabW, tabH, w, tabH);
        } else {
            Line(hdc, tabW, tabH, w, tabH);
        }
    }
    {
        const win::SelectedObject pen(
            hdc, m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonDarkShadow)), "TabDarkShadow",
                                     0, 0));
        Line(hdc, 0, h - 1, w, h - 1);
        Line(hdc, w - 1, tabH, w - 1, h);
    }
    const win::SelectedObject pen(
        hdc, m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonShadow)), "TabShadow", 0, 0));
    Line(hdc, 1, h - 2, w - 1, h - 2);
    Line(hdc, w - 2, tabH + 1, w - 2, h - 1);
}

void frmColorPicker::DrawTab(win::HDC hdc, const win::RECT& full, const win::RECT& tab,
                             const std::string& caption, bool focused) {
    const int l = tab.left;
    const int t = tab.top;
    const int r = tab.right;
    const int b = tab.bottom;
    {
        const win::SelectedObject pen(
            hdc,
            m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonHighlight)), "TabHighlight", 0, 0));
        if (l != full.left)
            Line(hdc, full.left, b, l, b);
        if (r != full.right)
            Line(hdc, r, b, full.right, b);
        win::MoveToEx(hdc, l, b, nullptr);
        win::LineTo(hdc, l, t + 2);
        win::LineTo(hdc, l + 2, t);
        win::LineTo(hdc, r - 2, t);
    }
    {
        const win::SelectedObject pen(
            hdc, m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonDarkShadow)), "TabDarkShadow",
                                     0, 0));
        win::MoveToEx(hdc, r - 2, t, nullptr);
        win::LineTo(hdc, r, t + 2);
        win::LineTo(hdc, r, b);
    }
    {
        const win::SelectedObject pen(
            hdc, m_resources->GetPen(Rgb(static_cast<int32_t>(kButtonShadow)), "TabShadow", 0, 0));
        Line(hdc, r - 1, t + 2, r - 1, b);
    }
    const win::SelectedObject font(hdc, m_resources->GetFont(*Font(), "CurrentFont"));
    win::SetBkMode(hdc, win::TRANSPARENT);
    win::SetTextColor(hdc, Rgb(static_cast<int32_t>(ForeColor())));
    win::RECT text = tab;
    win::DrawTextA(hdc, caption.c_str(), static_cast<int>(caption.size()), &text,
                   win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE);
    if (focused) {
        const win::RECT focus{l + 5, t + 3, r - 5, b - 3};
        win::DrawFocusRect(hdc, &focus);
    }
}

} // namespace huechooser

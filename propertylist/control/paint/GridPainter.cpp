#include "propertylist/control/paint/GridPainter.h"

#include "propertylist/control/paint/CellOrigin.h"
#include "propertylist/control/paint/CellPainter.h"
#include "propertylist/control/paint/GridBackground.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace attrgrid {

using ole::ResumeNext;

int32_t GridPainter::CalcRowHeight(win::HWND gridWnd, win::HFONT treeFont, int32_t previous) {
    if (!gridWnd)
        return previous;
    const win::WindowDc dc(gridWnd);
    if (!dc.Get() || !treeFont)
        return previous;
    const win::SelectedObject selectFont(dc.Get(), treeFont);
    win::SIZE extent;
    if (!win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &extent))
        return previous;
    const int32_t height = extent.cy + 4;
    return height % 2 == 0 ? height : height + 1;
}

void GridPainter::PaintGridArea(win::HDC hdc, const win::RECT& update) {
    const GridSettings& settings = m_context.settings;
    ResumeNext([&] {
        if (settings.picture && !settings.picture->IsEmpty()) {
            GridBackground(m_context).Draw(hdc, update);
        } else {
            const auto color =
                shared::TranslateColor(static_cast<uint32_t>(settings.propertyBackColor));
            if (const win::HBRUSH brush = m_context.resources.GetBrush(color, "BackColor"))
                win::FillRect(hdc, &update, brush);
        }
    });

    if (!m_context.activeNodes || m_context.laidOutRows.empty())
        return;

    const win::SavedDc saved(hdc);
    win::SelectObject(hdc, m_context.resources.GetFont(m_context.controlFont, "TreeFont"));
    win::SetBkMode(hdc, win::TRANSPARENT);
    for (const auto& row : m_context.laidOutRows) {
        // A row removed since the layout is no longer drawn.
        if (!m_context.activeNodes->Holds(row.Get()))
            continue;
        const win::RECT rowRect = row->RowRect();
        // Rows are laid out top to bottom: once one starts below the update rectangle, so does
        // every later one, and the pass costs what is visible rather than what exists.
        if (rowRect.top >= update.bottom && !win::IsRectEmpty(&rowRect))
            break;
        win::RECT overlap;
        if (!win::IntersectRect(&overlap, &rowRect, &update))
            continue;
        ResumeNext([&] { DrawNodeRow(hdc, row); });
    }
}

void GridPainter::DrawNodeRow(win::HDC hdc, const ole::Ptr<CNode>& node) {
    if (!node)
        return;
    const bool selected = ole::Is(node, m_context.selectedNode);
    const CellPainter painter(m_context);
    for (const bool nameCell : {true, false}) {
        const win::RECT cell = nameCell ? node->NameRect() : node->ValueRect();
        const win::SavedDc saved(hdc);
        OffsetCellOrigin(hdc, cell.left, cell.top);
        ResumeNext([&] {
            painter.DrawNodeCell(hdc, node, nameCell,
                                 {0, 0, cell.right - cell.left, cell.bottom - cell.top}, selected);
        });
    }
}

} // namespace attrgrid

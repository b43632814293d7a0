#include "propertylist/control/paint/RowDecorations.h"

#include "propertylist/control/NameCellLayout.h"
#include "propertylist/control/paint/CellContent.h"
#include "propertylist/control/paint/GridLines.h"
#include "propertylist/control/paint/RowColors.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/picture/PictureType.h"

#include "platform/win/Win.h"

#include <optional>

namespace attrgrid {

namespace {

constexpr int32_t kTreeStyleTreeLines = 2;

ole::Ptr<ole::Picture> RowPicture(const CNode& row) {
    try {
        auto picture = ole::PtrCast<ole::Picture>(row.Picture());
        return picture && !picture->IsEmpty() ? picture : nullptr;
    } catch (const ole::Error&) {
        return nullptr;
    }
}

} // namespace

void RowDecorations::DrawPlusMinus(win::HDC hdc, const CNode& row, bool selected) const {
    const win::RECT box = row.PlusMinusRect();
    if (win::IsRectEmpty(&box))
        return;
    const GridSettings& settings = m_context.settings;
    auto& resources = m_context.resources;

    const bool hasPicture = settings.picture && !settings.picture->IsEmpty();
    if (!hasPicture || selected) {
        const win::COLORREF back = RowColors::CellBack(settings, row, selected);
        if (const win::HBRUSH brush = resources.GetBrush(back, "BackColor"))
            win::FillRect(hdc, &box, brush);
    }

    const win::COLORREF signColor = RowColors::CellFore(settings, row, selected);
    const win::HPEN signPen = resources.GetPen(
        signColor, selected ? "HighlightForeColor" : "ForeColor", win::PS_SOLID, 0);
    if (signPen) {
        const win::SelectedObject selectPen(hdc, signPen);
        const int32_t midY = BoxMiddle(box.top, box.bottom);
        win::MoveToEx(hdc, box.left + 2, midY, nullptr);
        win::LineTo(hdc, box.right - 2, midY);
        if (!row.Expanded()) {
            const int32_t midX = BoxMiddle(box.left, box.right);
            win::MoveToEx(hdc, midX, box.top + 2, nullptr);
            win::LineTo(hdc, midX, box.bottom - 2);
        }
    }

    const auto lineColor = shared::TranslateColor(static_cast<uint32_t>(settings.lineColor));
    if (const win::HPEN framePen = resources.GetPen(lineColor, "LineColor", win::PS_SOLID, 0)) {
        const win::SelectedObject selectPen(hdc, framePen);
        win::MoveToEx(hdc, box.left, box.top, nullptr);
        win::LineTo(hdc, box.right - 1, box.top);
        win::LineTo(hdc, box.right - 1, box.bottom - 1);
        win::LineTo(hdc, box.left, box.bottom - 1);
        win::LineTo(hdc, box.left, box.top);
    }
}

void RowDecorations::DrawTreeLines(win::HDC hdc, const CNode& row, const win::RECT& cell) const {
    const GridSettings& settings = m_context.settings;
    GridLines lines(m_context.resources);
    const int32_t color = settings.lineColor;
    const int32_t height = cell.bottom - cell.top;
    const int32_t middle = cell.top + height / 2;
    const bool topLevelLinesHidden = settings.treeStyle == kTreeStyleTreeLines;

    for (auto ancestor = row.Parent(); ancestor; ancestor = ancestor->Parent()) {
        const bool topLevel = !ancestor->Parent();
        if (ancestor->IsLastSibling() || (topLevel && topLevelLinesHidden))
            continue;
        const int32_t x = ancestor->TreeLineX();
        lines.DrawGridLine(hdc, color, x, cell.top, x, cell.bottom, false);
    }
    if (!row.Parent() && topLevelLinesHidden)
        return;

    const int32_t x = row.TreeLineX();
    const bool first = row.IsFirstNode();
    const bool last = row.IsLastSibling();
    const int32_t top = first ? middle : cell.top;
    const int32_t length = first || last ? height / 2 : height;
    lines.DrawGridLine(hdc, color, x, top, x, top + length, false);

    // Up to two pixels before the picture or text; the plus/minus box is drawn later over its end.
    const int32_t start = x + (row.NextSibling() ? 1 : 0);
    const int32_t end = (RowPicture(row) ? row.PictureRect().left : row.TextLeft()) - 2;
    if (end > start)
        lines.DrawGridLine(hdc, color, start, middle, end, middle, false);
}

void RowDecorations::DrawNodePicture(win::HDC hdc, const CNode& row) const {
    const auto picture = RowPicture(row);
    if (!picture)
        return;
    win::UINT flags = 0;
    if (picture->Type() == ole::PICTYPE_BITMAP)
        flags = win::DST_BITMAP;
    else if (picture->Type() == ole::PICTYPE_ICON)
        flags = win::DST_ICON;
    else
        return;
    const win::RECT r = row.PictureRect();
    win::DrawStateA(hdc, win::HBRUSH{}, nullptr,
                    static_cast<win::LPARAM>(static_cast<uint32_t>(picture->Handle())), 0, r.left,
                    r.top, r.right - r.left, r.bottom - r.top, flags);
}

void RowDecorations::DrawColorSwatch(win::HDC hdc, const CNode& row, win::RECT& cell,
                                     win::COLORREF textColor) const {
    const auto fill = RowValueColor(row);
    if (!fill)
        return;
    auto& resources = m_context.resources;
    const win::HPEN pen = resources.GetPen(textColor, "ForeColor", win::PS_SOLID, 0);
    const win::HBRUSH brush = resources.GetBrush(*fill, "ColorEditorRet");
    const int32_t side = (cell.bottom - cell.top) - 6;
    const win::SelectedObject selectPen(hdc, pen);
    const win::SelectedObject selectBrush(hdc, brush);
    win::Rectangle(hdc, cell.left + 2, cell.top + 2, cell.left + 2 + side, cell.bottom - 4);
    cell.left += 2 + side;
}

} // namespace attrgrid

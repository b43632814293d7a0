#include "propertylist/control/paint/CellPainter.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/paint/CellContent.h"
#include "propertylist/control/paint/GridLines.h"
#include "propertylist/control/paint/RowColors.h"
#include "propertylist/control/paint/RowDecorations.h"

#include "shared/util/FontUtils.h"
#include "shared/util/TextUtils.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int32_t kGridNone = 0;
constexpr int32_t kGridSolid = 1;

} // namespace

win::HFONT CellPainter::RowFont(const CNode& row) const {
    const ole::Font& controlFont = m_context.controlFont;
    const bool bold = row.Bold();
    const bool italic = row.Italic();
    if (bold == controlFont.Bold() && italic == controlFont.Italic())
        return m_context.resources.GetFont(controlFont, "TreeFont");
    shared::CopyFont(m_context.drawFont, controlFont);
    m_context.drawFont.SetBold(bold);
    m_context.drawFont.SetItalic(italic);
    return m_context.resources.GetFont(m_context.drawFont, "NodeFont");
}

void CellPainter::DrawNodeCell(win::HDC hdc, const ole::Ptr<CNode>& rowPtr, bool nameCell,
                               const win::RECT& cell, bool selected) const {
    const CNode& row = *rowPtr;
    const GridSettings& settings = m_context.settings;
    const bool isProperty = row.NodeType() == NodeKind::Property;

    const win::COLORREF back = RowColors::CellBack(settings, row, selected);
    const win::COLORREF fore = RowColors::CellFore(settings, row, selected);
    const win::SavedDc saved(hdc);
    win::SetTextColor(hdc, fore);
    win::HFONT font;
    try {
        font = RowFont(row);
    } catch (const ole::Error&) {
        font = m_context.resources.GetFont(m_context.controlFont, "TreeFont");
    }
    if (font)
        win::SelectObject(hdc, font);

    const int32_t cx = cell.right - cell.left - 1;
    const int32_t cy = cell.bottom - cell.top - 1;
    // Held across the PropertyDraw raises: the host may remove the property meanwhile.
    const ole::Ptr<CProperty> property =
        isProperty ? ole::PtrCast<CProperty>(row.Property()) : nullptr;
    const bool customDraw = !nameCell && property && property->GetCustomDraw() &&
                            static_cast<bool>(m_context.raisePropertyDraw);
    const auto raise = [&](ksDrawStage stage) {
        bool doDefault = true;
        if (customDraw)
            ResumeNext(
                [&] { m_context.raisePropertyDraw(hdc, property, cx, cy, stage, doDefault); });
        return doDefault;
    };

    const bool doDefault = raise(ksPreErase);
    const bool hasPicture = settings.picture && !settings.picture->IsEmpty();
    if (doDefault && (!hasPicture || selected)) {
        if (const win::HBRUSH brush = m_context.resources.GetBrush(back, "BackColor"))
            win::FillRect(hdc, &cell, brush);
    }
    ResumeNext([&] {
        if (row.Appearance() == ks3d)
            GridLines(m_context.resources).Draw3DFrame(hdc, cell, back);
    });
    raise(ksPostErase);

    if (settings.grid != kGridNone) {
        GridLines lines(m_context.resources);
        const bool solid = settings.grid == kGridSolid;
        const int32_t x = nameCell ? cell.right - 1 : cell.right;
        lines.DrawGridLine(hdc, settings.lineColor, cell.left, cell.bottom - 1, x + 1,
                           cell.bottom - 1, solid);
        lines.DrawGridLine(hdc, settings.lineColor, x, cell.top - 1, x, cell.bottom - 1, solid);
    }

    const RowDecorations decorations(m_context);
    win::RECT textRect = cell;
    if (nameCell) {
        if (settings.Categorized()) {
            if (settings.TreeLines())
                ResumeNext([&] { decorations.DrawTreeLines(hdc, row, cell); });
            if (row.ChildCount() > 0 && settings.PlusMinus())
                ResumeNext([&] { decorations.DrawPlusMinus(hdc, row, selected); });
        }
        ResumeNext([&] { decorations.DrawNodePicture(hdc, row); });
        textRect.left += row.TextLeft();
    } else if (isProperty) {
        ResumeNext([&] {
            if (IsColorRow(row, property.Get()))
                decorations.DrawColorSwatch(hdc, row, textRect, fore);
        });
    }

    ResumeNext([&] {
        const std::string text = CellText(row, property.Get(), nameCell);
        textRect.left += 2;
        textRect.right -= 2;
        shared::DrawTextEllipsis(hdc, text, textRect, shared::TextPlacement::Centred);
    });
    raise(ksPostDraw);
}

} // namespace attrgrid

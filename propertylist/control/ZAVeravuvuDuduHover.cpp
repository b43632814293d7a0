#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/paint/CellContent.h"
#include "propertylist/control/paint/RowColors.h"

#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace attrgrid {

using ole::ResumeNext;

namespace {

// The date-and-time picker's notification that its calendar closed.
constexpr int DTN_CLOSEUP = -753;
// The registry key of the built-in date editor.
constexpr std::string_view kDateEditorKey = "INTERNAL_6";

// The colour swatch's square and its 2-pixel gap, as the value cell paints it.
int32_t SwatchWidth(const win::RECT& cell) {
    return cell.bottom - cell.top - 4;
}

} // namespace

void ZAVeravuvuDudu::OnGridMouseMove(int16_t button, float x, float y) {
    if (button == 0 && m_settings.showToolTip)
        UpdateHoverToolTip(x, y);
}

int32_t ZAVeravuvuDudu::CellTextOffset(const ole::Ptr<CNode>& node, int32_t column) const {
    if (column == 1)
        return node->TextLeft();
    return ShowsColorSwatch(*node, ole::PtrCast<CProperty>(node->Property()).Get())
               ? SwatchWidth(node->RowRect())
               : 0;
}

// The tip is set up for the cell under the pointer; the tooltip shows it after its delay, and
// only when the text does not fit (an empty text shows nothing).
void ZAVeravuvuDudu::UpdateHoverToolTip(float x, float y) {
    if (m_released || !m_Tooltip || !m_ResourceMgr || !m_Font || !m_picTreeContainer ||
        !m_picTreeContainer->IsAlive())
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    // The panel's MouseMove reports in its own scale units.
    const forms::ScaleSpace* space = m_picTreeContainer->OwnScale();
    if (!space)
        return;
    const int32_t px = grid::ToInt(space->PositionToPixels(x, forms::Axis::X));
    const int32_t py = grid::ToInt(space->PositionToPixels(y, forms::Axis::Y));
    const ole::Ptr<CNode> row = HitTestNode(px, py);
    if (!row)
        return;
    const int32_t column = ColumnFromX(px);
    if (row->NodeNumber() == m_HoverRow && column == m_HoverColumn)
        return;
    const win::RECT cell = GetCellRect(row, column);
    const std::string text =
        CellText(*row, ole::PtrCast<CProperty>(row->Property()).Get(), column == 1);

    win::HFONT font = m_ResourceMgr->GetFont(*m_Font, "TreeFont");
    if (row->Bold() != m_Font->Bold() || row->Italic() != m_Font->Italic()) {
        const ole::Ptr<ole::Font> rowFont = ole::Font::Create();
        shared::CopyFont(*rowFont, *m_Font);
        rowFont->SetBold(row->Bold());
        rowFont->SetItalic(row->Italic());
        font = m_ResourceMgr->GetFont(*rowFont, "TMP_FONT");
    }
    m_Tooltip->SetHFont(font);
    win::SIZE extent{};
    {
        const win::WindowDc dc(m_GridWnd);
        if (!dc.Get())
            return;
        const win::SelectedObject select(dc.Get(), font);
        win::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const int64_t room = int64_t{extent.cx} + 4 + CellTextOffset(row, column);
    const int64_t width = int64_t{cell.right} - cell.left;
    const auto toolId = static_cast<win::UINT_PTR>(m_GridWnd.Value());
    m_Tooltip->SetNewToolRect(toolId, cell.left, cell.top, grid::Clamp32(width),
                              cell.bottom - cell.top);
    m_Tooltip->SetBackColor(RowColors::Back(m_settings, *row));
    m_Tooltip->SetForeColor(RowColors::Fore(m_settings, *row));
    m_Tooltip->SetText(toolId, room < width ? std::string() : text);
    m_Tooltip->Activate(true);
}

win::LRESULT ZAVeravuvuDudu::HandleTooltipNotify(win::HWND, win::WPARAM, win::LPARAM lParam,
                                                 bool& bRouteToOriginal) {
    if (m_released || lParam == 0)
        return 0;
    const win::NMHDR header = *reinterpret_cast<const win::NMHDR*>(lParam);
    if (header.code == DTN_CLOSEUP) {
        // The date editor's calendar closing is the user's pick: the edit ends there.
        const ole::Ptr<CEditor> editor = m_ActiveEditor;
        if (!editor || !m_Editors || !m_Editors->ContainsKey(kDateEditorKey))
            return 0;
        if (m_Editors->ItemByKey(kDateEditorKey).AsObject().Get() != editor.Get())
            return 0;
        CommitActiveEditor();
        bRouteToOriginal = false;
        return 0;
    }
    if (!m_Tooltip || !m_Tooltip->hwnd() || header.hwndFrom != m_Tooltip->hwnd())
        return 0;
    if (header.code == win::TTN_POP) {
        ForgetHoveredCell();
        return 0;
    }
    if (header.code == win::TTN_SHOW && PositionToolTip()) {
        bRouteToOriginal = false;
        return 1;
    }
    return 0;
}

void ZAVeravuvuDudu::ForgetHoveredCell() {
    m_HoverRow = 0;
    m_HoverColumn = 0;
}

// Places the tip over the cell's text, so the full text lines up with the clipped one.
bool ZAVeravuvuDudu::PositionToolTip() {
    if (m_released || !m_Tooltip)
        return false;
    const win::POINT pt = GridCursorPos();
    const ole::Ptr<CNode> row = HitTestNode(pt.x, pt.y);
    if (!row)
        return false;
    const int32_t column = ColumnFromX(pt.x);
    if (row->NodeNumber() == m_HoverRow && column == m_HoverColumn)
        return false;
    m_HoverRow = row->NodeNumber();
    m_HoverColumn = column;
    const win::RECT cell = GetCellRect(row, column);
    win::POINT start{cell.left + CellTextOffset(row, column) - 1, cell.top};
    win::ClientToScreen(m_GridWnd, &start);
    m_Tooltip->SetToolWindowPos(start.x, start.y);
    return true;
}

} // namespace attrgrid

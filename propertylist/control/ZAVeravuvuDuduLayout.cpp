#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/RowPlacement.h"

#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace attrgrid {

using forms::Axis;
using grid::ToInt;
using ole::ResumeNext;

namespace {

constexpr int32_t kTabMarginPixels = 4;
constexpr int32_t kHeaderTextPadding = 6;

// Pixels and a surface's own units, as floating point (rounding would collapse a few pixels to 0
// in inches or centimetres).
double ToPixels(const forms::ScaleSpace& space, double units, Axis axis) {
    return space.Convert(units, static_cast<int>(space.Mode()),
                         forms::ModeValue(forms::ScaleMode::Pixels), axis);
}

double FromPixels(const forms::ScaleSpace& space, double pixels, Axis axis) {
    return space.Convert(pixels, forms::ModeValue(forms::ScaleMode::Pixels),
                         static_cast<int>(space.Mode()), axis);
}

const forms::ScaleSpace* SpaceOf(const ole::Ptr<forms::PictureBox>& box) {
    return box && box->IsAlive() ? box->OwnScale() : nullptr;
}

// A child's Move in its parent's units; negative sizes are clamped (Move refuses them).
void MoveInUnits(forms::Control& child, double left, double top, double width, double height) {
    child.Move(static_cast<float>(left), ole::Variant(static_cast<float>(top)),
               ole::Variant(static_cast<float>(std::max(width, 0.0))),
               ole::Variant(static_cast<float>(std::max(height, 0.0))));
}

win::SIZE ClientSize(const ole::Ptr<forms::PictureBox>& box) {
    win::RECT rc{};
    if (box && box->IsAlive())
        win::GetClientRect(box->Window(), &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

} // namespace

// ---- Conversions of the control's own units ----

float ZAVeravuvuDudu::PixelsToScaleX(float pixels) const {
    return static_cast<float>(FromPixels(Scale(), pixels, Axis::X));
}

float ZAVeravuvuDudu::PixelsToScaleY(float pixels) const {
    return static_cast<float>(FromPixels(Scale(), pixels, Axis::Y));
}

float ZAVeravuvuDudu::ScaleToPixelsX(float units) const {
    return static_cast<float>(ToPixels(Scale(), units, Axis::X));
}

float ZAVeravuvuDudu::ScaleToPixelsY(float units) const {
    return static_cast<float>(ToPixels(Scale(), units, Axis::Y));
}

int32_t ZAVeravuvuDudu::GetHeaderHeight() const {
    return ToInt(PixelsToScaleY(static_cast<float>(m_HeaderHeight)));
}

void ZAVeravuvuDudu::LetHeaderHeight(int32_t value) {
    const int32_t pixels = ToInt(ScaleToPixelsY(static_cast<float>(value)));
    if (pixels == m_HeaderHeight)
        return;
    m_HeaderHeight = pixels;
    LayoutControls();
}

// ---- Grid panel ----

int32_t ZAVeravuvuDudu::ScaleModeOfGrid() const {
    const auto* space = SpaceOf(m_picTreeContainer);
    return forms::ModeValue(space ? space->Mode() : forms::ScaleMode::Pixels);
}

void ZAVeravuvuDudu::ApplyScaleUnits(std::string_view scaleUnits) {
    if (m_released || !m_picTreeContainer)
        return;
    using forms::ScaleMode;
    static constexpr std::array<std::pair<std::string_view, ScaleMode>, 7> kModes{{
        {"TWIP", ScaleMode::Twips},
        {"POINT", ScaleMode::Points},
        {"PIXEL", ScaleMode::Pixels},
        {"CHARACTER", ScaleMode::Characters},
        {"INCH", ScaleMode::Inches},
        {"MILLIMETER", ScaleMode::Millimeters},
        {"CENTIMETER", ScaleMode::Centimeters},
    }};
    ScaleMode mode = ScaleMode::Pixels;
    for (const auto& [name, value] : kModes) {
        if (base::EqualsNoCase(scaleUnits, name))
            mode = value;
    }
    ResumeNext([&] { m_picTreeContainer->SetScaleMode(forms::ModeValue(mode)); });
}

float ZAVeravuvuDudu::GridScaleWidthPixels() const {
    return static_cast<float>(ClientSize(m_picTreeContainer).cx);
}

float ZAVeravuvuDudu::GridScaleHeightPixels() const {
    return static_cast<float>(ClientSize(m_picTreeContainer).cy);
}

int32_t ZAVeravuvuDudu::HeaderPixelsInGrid() const {
    return m_settings.headers != ksHeadersNone ? m_HeaderHeight : 0;
}

int32_t ZAVeravuvuDudu::ScrollBarWidth() const {
    return win::GetSystemMetrics(win::SM_CXVSCROLL);
}

bool ZAVeravuvuDudu::ScrollBarShown() const {
    return m_VScroll && m_VScroll->IsAlive() && m_VScroll->Visible();
}

// ---- Tabs ----

void ZAVeravuvuDudu::LayoutTabs() {
    const auto* strip = SpaceOf(m_picTabContainer);
    if (!strip)
        return;
    // The captions are measured with the strip's own font on its DC, in pixels, then taken into
    // the strip's units: what an auto-sized label would give, free of its container's units.
    double widthPx = 0;
    double heightPx = 0;
    if (const auto hdc = win::HdcFromParam(m_picTabContainer->GetHdc())) {
        for (const auto* caption :
             {&m_settings.alphabeticTabCaption, &m_settings.categorizedTabCaption}) {
            win::SIZE extent{};
            if (win::GetTextExtentPoint32A(hdc, caption->c_str(), static_cast<int>(caption->size()),
                                           &extent)) {
                widthPx = std::max<double>(widthPx, extent.cx);
                heightPx = std::max<double>(heightPx, extent.cy);
            }
        }
    }
    const double w = FromPixels(*strip, widthPx, Axis::X);
    const double h = FromPixels(*strip, heightPx, Axis::Y);
    m_TabWidth = ToInt(w * 1.4 + FromPixels(*strip, 10, Axis::X) + 3);
    m_TabHeight = ToInt(h * 1.5);
    if (strip->Width() <= 2.0 * m_TabWidth)
        m_TabWidth = ToInt(strip->Width()) / 2 - ToInt(FromPixels(*strip, 1, Axis::X));
    m_FirstTabRect = {0, 0, m_TabWidth, m_TabHeight};
    m_SecondTabRect = {m_TabWidth, 0, 2 * m_TabWidth, m_TabHeight};
}

// ---- Placement ----

void ZAVeravuvuDudu::OnTabContainerResize() {
    if (m_released)
        return;
    const auto* strip = SpaceOf(m_picTabContainer);
    if (!strip || !m_picTreeContainer)
        return;
    double tabHeight = 0;
    double marginX = 0;
    double marginY = 0;
    if (m_settings.showTabs) {
        ResumeNext([&] { LayoutTabs(); });
        tabHeight = m_TabHeight;
        marginX = FromPixels(*strip, kTabMarginPixels, Axis::X);
        marginY = FromPixels(*strip, kTabMarginPixels, Axis::Y);
    }
    ResumeNext([&] {
        MoveInUnits(*m_picTreeContainer, marginX, tabHeight + marginY, strip->Width() - 2 * marginX,
                    strip->Height() - tabHeight - 2 * marginY);
    });
}

void ZAVeravuvuDudu::LayoutControls() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { OnTabContainerResize(); });
    const auto* gridSpace = SpaceOf(m_picTreeContainer);
    if (!gridSpace)
        return;
    const win::SIZE grid = ClientSize(m_picTreeContainer);

    if (m_picHeaderContainer) {
        ResumeNext([&] {
            const double height = FromPixels(*gridSpace, m_HeaderHeight, Axis::Y);
            const double top = m_settings.headers != ksHeadersNone ? 0.0 : -height;
            MoveInUnits(*m_picHeaderContainer, 0, top, gridSpace->Width(), height);
        });
    }
    const int32_t headerPixels = HeaderPixelsInGrid();
    const int32_t rowsHeight = std::max(grid.cy - headerPixels, 0);

    ResumeNext([&] { UpdateScrollBar(); });
    if (m_VScroll && m_VScroll->IsAlive()) {
        ResumeNext([&] {
            const int32_t width = ScrollBarWidth();
            win::SetWindowPos(m_VScroll->Window(), win::HWND_TOP, grid.cx - width, headerPixels,
                              width, rowsHeight, win::SWP_NOACTIVATE);
            win::HideCaret(m_VScroll->Window());
        });
    }
    ResumeNext([&] { LayoutRows(); });
    if (win::IsWindow(m_GridWnd))
        win::InvalidateRect(m_GridWnd, nullptr, win::FALSE);
}

void ZAVeravuvuDudu::UpdateScrollBar() {
    if (m_released || !m_VScroll || !m_VScroll->IsAlive())
        return;
    const int64_t height = static_cast<int64_t>(GridScaleHeightPixels()) - HeaderPixelsInGrid();
    const int64_t visibleRows = m_ActiveNodes ? m_ActiveNodes->VisibleCount() : 0;
    if (visibleRows == 0) {
        // An empty grid must not keep a working scroll bar; its value stays for the next show.
        m_VScroll->SetVisible(false);
        return;
    }
    const int64_t page = m_RowHeight > 0 ? std::max<int64_t>(height, 0) / m_RowHeight : 0;
    if (page >= visibleRows) {
        m_VScroll->SetVisible(false);
        return;
    }
    m_ScrollScale = ScrollScale::For(visibleRows, page);
    m_VScroll->SetSmallChange(1);
    m_VScroll->SetLargeChange(m_ScrollScale.LargeChange(page));
    m_VScroll->SetMin(0);
    // Max clamps a larger Value and raises Change once; that move is the layout's, not the
    // user's, so an open edit stays open and follows its row.
    {
        const struct RangeGuard {
            bool& flag;
            ~RangeGuard() { flag = false; }
        } guard{m_settingScrollRange = true};
        m_VScroll->SetMax(m_ScrollScale.Max());
    }
    m_VScroll->SetVisible(true);
    win::HideCaret(m_VScroll->Window());
}

// Lays out the rows that can meet the grid's client area: from the first whose bottom is below
// the client's top down to the first that starts below the grid, which gets its rectangles only.
// A row that leaves that band keeps the rectangles of where it went, so its place stays true at
// the moment it was last seen; rows never shown carry none.
void ZAVeravuvuDudu::LayoutRows() {
    if (m_released || !m_ActiveNodes)
        return;
    const ole::Ptr<CNodes> tree = m_ActiveNodes;
    const int32_t rowHeight = m_RowHeight;
    const int64_t gridHeight = static_cast<int64_t>(GridScaleHeightPixels());
    int64_t top = HeaderPixelsInGrid();
    // Kept for the next scroll, which moves the pixels from here: a change of rows per bar unit
    // moves the rows without a Change of the bar.
    if (ScrollBarShown()) {
        m_TopRow = m_ScrollScale.RowOffset(m_VScroll->GetValue());
        top -= m_TopRow * rowHeight;
    }
    const RowPlacement placement = Placement();

    const int64_t count = tree->VisibleCount();
    const int64_t first = top < 0 && rowHeight > 0 ? std::min<int64_t>(-top / rowHeight, count) : 0;
    std::vector<ole::Ptr<CNode>> laidOut;
    m_LaidOutPastGrid = false;
    for (int64_t i = first; i < count; ++i) {
        const ole::Ptr<CNode> row = tree->VisibleRow(static_cast<int32_t>(i));
        if (!row)
            break;
        laidOut.push_back(row);
        const int64_t rowTop = top + i * rowHeight;
        if (rowTop > gridHeight) {
            placement.PlaceCells(*row, rowTop);
            m_LaidOutPastGrid = true;
            break;
        }
        placement.Place(*row, rowTop, m_settings);
    }
    for (const auto& row : m_LaidOut) {
        if (std::find(laidOut.begin(), laidOut.end(), row) != laidOut.end())
            continue;
        if (const int32_t index = tree->VisibleIndex(row.Get()); index >= 0)
            placement.PlaceCells(*row, top + static_cast<int64_t>(index) * rowHeight);
    }
    m_LaidOut = std::move(laidOut);
    PlaceOpenEditor();
}

// Every layout that moves rows (panes, headers, the scroll bar coming or going, rows added or
// removed) keeps the open editor over its own row, so the next commit stores where the user
// typed.
void ZAVeravuvuDudu::PlaceOpenEditor() {
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    const ole::Ptr<CNode> row = m_EditNode;
    if (editor && row)
        ResumeNext([&] { PositionEditor(editor, row); });
}

RowPlacement ZAVeravuvuDudu::Placement() const {
    double split = 0;
    if (const auto* header = SpaceOf(m_picHeaderContainer); header && m_HeaderSplitter)
        split = ToPixels(*header, m_HeaderSplitter->GetSplitterLocation(), Axis::X);
    RowPlacement placement;
    placement.nameRight = ToInt(split + 1);
    placement.width = static_cast<int64_t>(GridScaleWidthPixels());
    placement.valueRight = ToInt(GridScaleWidthPixels() - split + placement.nameRight - 1);
    if (ScrollBarShown()) {
        placement.width -= ScrollBarWidth();
        placement.valueRight -= ScrollBarWidth();
    }
    placement.rowHeight = m_RowHeight;
    return placement;
}

win::RECT ZAVeravuvuDudu::GetCellRect(const ole::Ptr<CNode>& node, int32_t column) const {
    if (!node)
        return {};
    const RowPlacement placement = Placement();
    return column == 1 ? placement.NameCell(node->RowRect()) : placement.ValueCell(node->RowRect());
}

int32_t ZAVeravuvuDudu::ColumnFromX(int32_t x) const {
    int32_t limit = 0;
    if (m_picNameHeader && m_picNameHeader->IsAlive()) {
        const win::RECT bounds = m_picNameHeader->PixelBounds();
        limit = bounds.right - bounds.left;
    }
    return x < limit ? 1 : 2;
}

// ---- Selection ----

void ZAVeravuvuDudu::SelectNode(const ole::Ptr<CNode>& node) {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ole::Ptr<CNode> target = node;
    ++m_selectDepth;
    const struct DepthGuard {
        int32_t& depth;
        ~DepthGuard() { --depth; }
    } guard{m_selectDepth};

    if (target.Get() != m_SelectedNode.Get()) {
        CommitActiveEditor();
        // The commit's events may have torn the control down.
        if (m_released)
            return;
        // The host's ValidateValue may have removed the row or refilled the collection: a row
        // the tree no longer holds is never selected.
        if (target && !HoldsRow(target))
            target = nullptr;
        InvalidateNodeRow(m_SelectedNode);
        m_SelectedNode = target;
        RepaintDescription();
        if (target) {
            ExpandAncestors(target);
            // The expansion may have run a nested selection; this call's row still wins unless
            // that run took it out of the tree.
            m_SelectedNode = HoldsRow(target) ? target : nullptr;
            // A scroll moves the rows' pixels as they were and draws only what comes into view:
            // the row is repainted where it ends up.
            if (m_SelectedNode) {
                EnsureNodeVisible(target);
                InvalidateNodeRow(target);
            }
        }
    }
    // A selection made inside another one (expanding ancestors) leaves the editor to the outer,
    // which opens it once the row is in view.
    if (m_selectDepth == 1 && !m_released && !m_ActiveEditor && m_SelectedNode)
        BeginEdit();
}

// ---- Fonts ----

void ZAVeravuvuDudu::ApplyFonts() {
    if (m_released || !m_Font)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    for (const auto* panel : {&m_picTabContainer, &m_picNameHeader, &m_picValueHeader}) {
        if (*panel)
            ResumeNext([&] { (*panel)->SetFont(m_Font); });
    }
    if (m_lblDummy)
        ResumeNext([&] { m_lblDummy->SetFont(m_Font); });

    if (m_picHeaderContainer && m_picHeaderContainer->IsAlive() && m_ResourceMgr) {
        const win::HWND headerWnd = m_picHeaderContainer->Window();
        win::SIZE extent{};
        bool measured = false;
        if (const win::WindowDc dc(headerWnd); dc.Get()) {
            const win::SelectedObject font(dc.Get(), m_ResourceMgr->GetFont(*m_Font, "TreeFont"));
            measured = win::GetTextExtentPoint32A(dc.Get(), "Qp", 2, &extent) != win::FALSE;
        }
        // Kept in pixels: a trip through coarse scale units would lose the height.
        if (measured && extent.cy + kHeaderTextPadding != m_HeaderHeight) {
            m_HeaderHeight = extent.cy + kHeaderTextPadding;
            ResumeNext([&] { LayoutControls(); });
        }
    }
    ResumeNext([&] { CalcRowHeight(); });
    ResumeNext([&] { UpdateScrollBar(); });
    ResumeNext([&] { LayoutRows(); });
    ResumeNext([&] { ReapplyEditorFont(); });
}

// ---- Repaints and children's events ----

void ZAVeravuvuDudu::RepaintHeaders() {
    for (const auto* panel : {&m_picHeaderContainer, &m_picNameHeader, &m_picValueHeader}) {
        if (*panel && (*panel)->IsAlive())
            ResumeNext([&] { (*panel)->Refresh(); });
    }
}

void ZAVeravuvuDudu::RepaintTabs() {
    if (m_picTabContainer && m_picTabContainer->IsAlive())
        ResumeNext([&] { m_picTabContainer->Refresh(); });
}

void ZAVeravuvuDudu::RepaintDescription() {
    if (m_picDescPane && m_picDescPane->IsAlive())
        ResumeNext([&] { m_picDescPane->Refresh(); });
}

void ZAVeravuvuDudu::OnContainerSplitterLocationChanged() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { LayoutControls(); });
    RepaintDescription();
}

// Keeps the name column inside the control. Moving the bar back raises this event again, and a
// limit below the bar's minimum would clamp it back up: the nested call only re-lays the columns.
void ZAVeravuvuDudu::OnHeaderSplitterLocationChanged() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    bool movedBack = false;
    if (!m_limitingHeaderSplitter) {
        const double limit = static_cast<double>(NameColumnLimitPixels());
        const double location = HeaderSplitterPixels();
        if (limit < location && m_HeaderSplitter) {
            m_limitingHeaderSplitter = true;
            const float before = m_HeaderSplitter->GetSplitterLocation();
            ResumeNext([&] { LetHeaderSplitterPixels(limit, true); });
            m_limitingHeaderSplitter = false;
            // A bar that moved has re-laid the columns through its nested event.
            movedBack = !m_released && m_HeaderSplitter &&
                        m_HeaderSplitter->GetSplitterLocation() != before;
        }
    }
    if (m_released)
        return;
    if (!movedBack) {
        ResumeNext([&] { LayoutRows(); });
        RefreshGrid();
    }
    RepaintHeaders();
}

} // namespace attrgrid

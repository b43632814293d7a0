#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/NameCellLayout.h"
#include "propertylist/control/paint/GridLines.h"
#include "propertylist/control/sort/RowSorter.h"
#include "propertylist/control/sort/SortArrow.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace attrgrid {

using grid::ToInt;
using ole::ResumeNext;

namespace {

constexpr win::UINT kCaptionFormat =
    win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE | win::DT_END_ELLIPSIS;
// What the auto-fit leaves free right of a name column that would not fit.
constexpr int32_t kAutoFitMarginPixels = 5;

win::RECT ClientRect(win::HWND hwnd) {
    win::RECT rc{};
    win::GetClientRect(hwnd, &rc);
    return rc;
}

} // namespace

void ZAVeravuvuDudu::ConnectHeaderEvents() {
    using Args = std::span<ole::Variant>;
    auto header = [this](const ole::Ptr<forms::PictureBox>& panel, bool bNameHeader) {
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        sink->On(forms::eventid::Paint, ChildHandler([bNameHeader](ZAVeravuvuDudu& self, Args) {
                     const auto& own = bNameHeader ? self.m_picNameHeader : self.m_picValueHeader;
                     if (own && own->IsAlive())
                         self.PaintHeader(own->Window(), bNameHeader);
                 }))
            .On(forms::eventid::Click, ChildHandler([bNameHeader](ZAVeravuvuDudu& self, Args) {
                    self.SortOnHeader(bNameHeader);
                }));
        ConnectChild(panel, sink);
    };
    header(m_picNameHeader, true);
    header(m_picValueHeader, false);

    ole::Ptr<ole::EventSink> splitter = ole::EventSink::Create();
    splitter->On(CSplitter::SplitterDblClick,
                 ChildHandler([](ZAVeravuvuDudu& self, Args) { self.AutoFitNameColumn(); }));
    ConnectChild(m_HeaderSplitter, splitter);
}

// ---- Painting ----

void ZAVeravuvuDudu::PaintHeader(win::HWND hwnd, bool bNameHeader) {
    if (m_released || m_settings.headers == ksHeadersNone || !m_ResourceMgr || !m_Font)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] {
        const win::WindowDc dc(hwnd);
        const win::HDC hdc = dc.Get();
        if (!hdc)
            return;
        win::RECT rc = ClientRect(hwnd);
        const win::COLORREF back =
            shared::TranslateColor(static_cast<uint32_t>(m_settings.backColor));
        if (const win::HBRUSH brush = m_ResourceMgr->GetBrush(back, "BackColor"))
            win::FillRect(hdc, &rc, brush);
        if (m_settings.headers == ksHeaders3d)
            GridLines(*m_ResourceMgr).Draw3DFrame(hdc, rc, back);
        else
            win::DrawEdge(hdc, &rc, win::EDGE_RAISED, win::BF_RECT | win::BF_FLAT);

        const win::SavedDc saved(hdc);
        win::SetBkMode(hdc, win::TRANSPARENT);
        win::SetTextColor(hdc, shared::TranslateColor(static_cast<uint32_t>(m_settings.foreColor)));
        const double width = static_cast<double>(rc.right) - rc.left;
        const int32_t quarter = ToInt(width / 4);
        win::RECT caption{quarter, rc.top, grid::Clamp32(int64_t{quarter} + ToInt(width / 2)),
                          rc.bottom};
        win::SelectObject(hdc, m_ResourceMgr->GetFont(*m_Font, "TreeFont"));
        const std::string& captionText =
            bNameHeader ? m_settings.nameCaption : m_settings.valueCaption;
        win::DrawTextA(hdc, captionText.c_str(), static_cast<int>(captionText.size()), &caption,
                       kCaptionFormat);
    });
    ResumeNext([&] { DrawSortArrow(); });
}

void ZAVeravuvuDudu::DrawSortArrow() {
    if (m_released || !m_settings.sorted || m_settings.headers == ksHeadersNone || !m_ResourceMgr ||
        !m_picNameHeader || !m_picNameHeader->IsAlive())
        return;
    const win::HWND hwnd = m_picNameHeader->Window();
    const win::WindowDc dc(hwnd);
    if (!dc.Get())
        return;
    const win::RECT rc = ClientRect(hwnd);
    const win::POINT at = SortArrow::Position(rc.right - rc.left, rc.bottom - rc.top);
    const SortArrow arrow(dc.Get(), m_settings.sortOrder == ksAscending, *m_ResourceMgr,
                          m_settings.backColor);
    arrow.Draw(dc.Get(), at.x, at.y);
}

// ---- Sorting ----

void ZAVeravuvuDudu::SortOnHeader(bool bNameButtonClicked) {
    if (m_released || !m_settings.sortOnHeaderClick)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    if (m_settings.sorted)
        LetSortOrder(m_settings.sortOrder == ksAscending ? ksDescending : ksAscending);

    RowSorter::SwapDecider decide;
    if (m_settings.customSort) {
        decide = [this, bNameButtonClicked](const ole::Ptr<CNode>& first,
                                            const ole::Ptr<CNode>& second, bool bSwap) {
            return first->NodeType() == NodeKind::Property
                       ? RaisePropertyCompare(first, second, bNameButtonClicked, bSwap)
                       : RaiseCategoryCompare(first, second, bNameButtonClicked, bSwap);
        };
    }
    // Any order but ascending sorts descending, as the arrow shows it.
    RowSorter sorter(m_ActiveNodes, m_settings.sortOrder != ksAscending, std::move(decide));
    ResumeNext([&] { sorter.SortTree(); });
    // The comparison events may have torn the control down.
    if (m_released)
        return;
    LetSorted(true);
    ResumeNext([&] { SelectNode(nullptr); });
    ResumeNext([&] { LayoutRows(); });
    ResumeNext([&] { DrawSortArrow(); });
    RefreshGrid();
}

bool ZAVeravuvuDudu::RaisePropertyCompare(const ole::Ptr<CNode>& first,
                                          const ole::Ptr<CNode>& second, bool bNameButtonClicked,
                                          bool bSwap) {
    ole::Variant args[] = {ole::Variant(first->Property()), ole::Variant(second->Property()),
                           ole::Variant(bNameButtonClicked), ole::Variant(bSwap)};
    ResumeNext([&] { Raise(EvPropertyCompare, args); });
    bool result = bSwap;
    ResumeNext([&] { result = ole::CBool(args[3]); });
    return result;
}

bool ZAVeravuvuDudu::RaiseCategoryCompare(const ole::Ptr<CNode>& first,
                                          const ole::Ptr<CNode>& second, bool bNameButtonClicked,
                                          bool bSwap) {
    ole::Variant args[] = {ole::Variant(first->Name()), ole::Variant(second->Name()),
                           ole::Variant(bNameButtonClicked), ole::Variant(bSwap)};
    ResumeNext([&] { Raise(EvCategoryCompare, args); });
    bool result = bSwap;
    ResumeNext([&] { result = ole::CBool(args[3]); });
    return result;
}

// ---- Name column width ----

int64_t ZAVeravuvuDudu::NameColumnLimitPixels() const {
    win::RECT rc{};
    win::GetClientRect(hWnd(), &rc);
    const int64_t scrollBar = ScrollBarShown() ? ScrollBarWidth() : 0;
    return int64_t{rc.right} - rc.left - 2 * scrollBar;
}

double ZAVeravuvuDudu::HeaderSplitterPixels() const {
    if (!m_HeaderSplitter || !m_picHeaderContainer || !m_picHeaderContainer->IsAlive())
        return 0;
    const forms::ScaleSpace* space = m_picHeaderContainer->OwnScale();
    if (!space)
        return 0;
    return space->Convert(m_HeaderSplitter->GetSplitterLocation(), static_cast<int>(space->Mode()),
                          forms::ModeValue(forms::ScaleMode::Pixels), forms::Axis::X);
}

void ZAVeravuvuDudu::LetHeaderSplitterPixels(double pixels, bool asLimit) {
    if (!m_HeaderSplitter || !m_picHeaderContainer || !m_picHeaderContainer->IsAlive())
        return;
    const forms::ScaleSpace* space = m_picHeaderContainer->OwnScale();
    if (!space)
        return;
    const auto location =
        static_cast<float>(space->Convert(pixels, forms::ModeValue(forms::ScaleMode::Pixels),
                                          static_cast<int>(space->Mode()), forms::Axis::X));
    if (asLimit)
        m_HeaderSplitter->LimitSplitterLocation(location);
    else
        m_HeaderSplitter->LetSplitterLocation(location);
}

void ZAVeravuvuDudu::AutoFitNameColumn() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const int64_t widest = MeasureWidestName();
    const int64_t limit = NameColumnLimitPixels();
    const int64_t location = limit <= widest ? limit - kAutoFitMarginPixels : widest;
    ResumeNext([&] { LetHeaderSplitterPixels(static_cast<double>(location)); });
    if (!m_released && win::IsWindow(m_GridWnd))
        win::InvalidateRect(m_GridWnd, nullptr, win::TRUE);
}

int32_t ZAVeravuvuDudu::MeasureWidestName() {
    if (m_released || !m_ResourceMgr || !m_Font || !m_DrawFont)
        return 0;
    const win::WindowDc dc(m_GridWnd);
    const win::HDC hdc = dc.Get();
    if (!hdc)
        return 0;
    int64_t widest = 0;
    ForEachVisibleRow([&](const ole::Ptr<CNode>& row) {
        ResumeNext([&] {
            win::HFONT font{};
            const bool bold = row->Bold();
            const bool italic = row->Italic();
            if (bold == m_Font->Bold() && italic == m_Font->Italic()) {
                font = m_ResourceMgr->GetFont(*m_Font, "TreeFont");
            } else {
                shared::CopyFont(*m_DrawFont, *m_Font);
                m_DrawFont->SetBold(bold);
                m_DrawFont->SetItalic(italic);
                font = m_ResourceMgr->GetFont(*m_DrawFont, "NodeFont");
            }
            const win::SelectedObject selectFont(hdc, font);
            const std::string name = row->Name();
            win::SIZE extent{};
            win::GetTextExtentPoint32A(hdc, name.c_str(), static_cast<int>(name.size()), &extent);
            // The indent from the row's level: rows below the view are not laid out.
            int64_t width =
                int64_t{extent.cx} + NameCellLayout::Of(*row, m_settings, m_RowHeight).textLeft + 4;
            if (row->NodeType() == NodeKind::Property &&
                ole::CLng(row->EditorType()) == shared::KSColorEditor)
                width += m_RowHeight;
            widest = std::max(widest, width);
        });
        return true;
    });
    return grid::Clamp32(widest);
}

} // namespace attrgrid

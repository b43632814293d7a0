#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);

// A row still held by its tree: removal leaves the object alive in whoever kept it.
bool HeldBy(const ole::Ptr<CNodes>& tree, const ole::Ptr<CNode>& row) {
    return tree && tree->Holds(row.Get());
}

} // namespace

CategoryLook ZAVeravuvuDudu::CurrentCategoryLook() const {
    // Rows mark the control's default back colour with -1, as the CategoryBackColor setter does.
    const int32_t back =
        m_settings.categoryBackColor == kButtonFace ? -1 : m_settings.categoryBackColor;
    return {m_settings.categoryBold, m_settings.categoryForeColor, back,
            m_settings.categoryAppearance};
}

void ZAVeravuvuDudu::ForEachCategoryRow(const std::function<void(CNode&)>& apply) {
    if (!m_Rows)
        return;
    const ole::Ptr<CNodes> tree = m_Rows->Categorized();
    for (const auto& row : tree->Snapshot()) {
        if (row && row->NodeType() == NodeKind::Category)
            ResumeNext([&] { apply(*row); });
    }
}

void ZAVeravuvuDudu::OnPropertyAdded(const ole::Ptr<CProperty>& aProperty) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CProperty> property = aProperty;
    if (!m_released && m_Rows && property) {
        const int32_t rowsBefore = m_ActiveNodes ? m_ActiveNodes->Count() : 0;
        ResumeNext([&] {
            m_Rows->AddProperty(property, m_settings.categorySeparator, m_settings.defaultCategory,
                                CurrentCategoryLook());
        });
        if (!m_settings.lockRefresh) {
            const int32_t made = m_ActiveNodes ? m_ActiveNodes->Count() - rowsBefore : 0;
            FollowRowChange(KeyRowsMayShow(property->GetInternalKey(), made));
        }
    }
    ole::Variant args[] = {ole::Variant(property)};
    Raise(EvPropertyAdded, args);
}

void ZAVeravuvuDudu::OnPropertyDeleted(const ole::Ptr<CProperty>& aProperty) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CProperty> property = aProperty;
    if (!m_released && m_Rows && property) {
        const std::string key = property->GetInternalKey();
        if (m_ActiveNodes && m_ActiveEditor) {
            const auto row = m_ActiveNodes->ItemByKey(key);
            if (row && row.Get() == m_EditNode.Get()) {
                const ole::Ptr<CEditor> editor = m_ActiveEditor;
                m_ActiveEditor = nullptr;
                ResumeNext([&] { editor->LetVisible(false); });
            }
        }
        // Asked before the rows go, while their places are known.
        const bool mayShow = m_settings.lockRefresh || KeyRowsMayShow(key, 0);
        ResumeNext([&] { m_Rows->RemoveProperty(key); });
        DropStaleSelection();
        if (!m_settings.lockRefresh)
            FollowRowChange(mayShow);
    }
    ole::Variant args[] = {ole::Variant(property)};
    Raise(EvPropertyDeleted, args);
}

bool ZAVeravuvuDudu::KeyRowsMayShow(const std::string& key, int32_t made) const {
    if (!m_ActiveNodes || m_LaidOut.empty() || !m_LaidOutPastGrid)
        return true;
    const ole::Ptr<CNode>& last = m_LaidOut.back();
    ole::Ptr<CNode> changed = m_ActiveNodes->ItemByKey(key);
    if (!changed || !m_ActiveNodes->Holds(last.Get()))
        return true;
    // Categories holding only this row come and go with it (an empty one it fills shows its
    // plus/minus); where tree lines show, the line of the sibling above a last child ends or runs
    // on, through the rows below that sibling.
    int32_t chain = 1;
    for (auto parent = changed->Parent(); parent && parent->ChildCount() == 1;
         parent = parent->Parent(), ++chain)
        changed = parent;
    // A category made elsewhere on the way ("X|B" with B under another row) is not among them.
    if (made > chain)
        return true;
    if (m_settings.Categorized() && m_settings.TreeLines() && changed->IsLastSibling()) {
        if (auto previous = changed->PreviousSibling())
            changed = previous;
    }
    return !m_ActiveNodes->Precedes(*last, *changed);
}

void ZAVeravuvuDudu::FollowRowChange(bool mayShow) {
    const bool barShown = ScrollBarShown();
    const int64_t top = m_TopRow;
    ResumeNext([&] { UpdateScrollBar(); });
    // A narrower range may have moved the bar, and with it the rows.
    const bool sameTop = barShown == ScrollBarShown() &&
                         (!barShown || m_ScrollScale.RowOffset(m_VScroll->GetValue()) == top);
    if (mayShow || !sameTop) {
        ResumeNext([&] { LayoutRows(); });
        RefreshGrid();
    } else if (!m_released && m_picTreeContainer && m_picTreeContainer->IsAlive()) {
        // The scroll bar's own repaint, as the grid's repaint would have done it.
        win::UpdateWindow(m_picTreeContainer->Window());
    }
}

bool ZAVeravuvuDudu::HoldsRow(const ole::Ptr<CNode>& row) const {
    return HeldBy(m_ActiveNodes, row);
}

void ZAVeravuvuDudu::DropStaleSelection() {
    bool dropped = false;
    if (m_SelectedNode && !HeldBy(m_ActiveNodes, m_SelectedNode)) {
        m_SelectedNode = nullptr;
        dropped = true;
    }
    if (m_EditNode && !HeldBy(m_ActiveNodes, m_EditNode)) {
        if (m_ActiveEditor) {
            const ole::Ptr<CEditor> editor = m_ActiveEditor;
            m_ActiveEditor = nullptr;
            ResumeNext([&] { editor->LetVisible(false); });
        }
        m_EditNode = nullptr;
    }
    if (dropped)
        RepaintDescription();
}

void ZAVeravuvuDudu::OnPropertiesCleared() {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    m_EditNode = nullptr;
    m_SelectedNode = nullptr;
    if (m_ActiveEditor) {
        const ole::Ptr<CEditor> editor = m_ActiveEditor;
        m_ActiveEditor = nullptr;
        ResumeNext([&] { editor->LetVisible(false); });
    }
    m_LaidOut.clear();
    ForgetHoveredCell();
    if (m_Rows)
        ResumeNext([&] { m_Rows->Clear(); });
}

void ZAVeravuvuDudu::NodeExpandedChanged(CNode& node) {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CNode> row(&node);
    CommitActiveEditor();
    // Only a row of the active view moves the selection and the layout.
    if (m_ActiveNodes && row->NodesId() == ole::PtrOfObject(m_ActiveNodes))
        OnRowExpandedChanged(row);
}

void ZAVeravuvuDudu::OnRowExpandedChanged(const ole::Ptr<CNode>& row) {
    ole::Ptr<CNode> toSelect = m_SelectedNode;
    if (!row->Expanded() && toSelect && toSelect->IsDescendantOf(row))
        toSelect = row;
    const bool barShown = ScrollBarShown();
    ResumeNext([&] { UpdateScrollBar(); });
    ResumeNext([&] { LayoutRows(); });
    ResumeNext([&] { SelectNode(toSelect); });

    win::RECT client{};
    if (win::IsWindow(m_GridWnd) && win::GetClientRect(m_GridWnd, &client)) {
        // A row the layout did not place keeps the rectangle it had when last laid out (before a
        // view switch, say); its place among the rows says where it is now. Above the view, every
        // row on screen has moved; so has every row when the bar came or went, as their width
        // changed and a hidden bar scrolls nothing off the top.
        int64_t top = row->RowRect().top;
        const int32_t index = m_ActiveNodes ? m_ActiveNodes->VisibleIndex(row.Get()) : -1;
        if (index >= 0 && std::find(m_LaidOut.begin(), m_LaidOut.end(), row) == m_LaidOut.end())
            top = HeaderPixelsInGrid() +
                  (index - (ScrollBarShown() ? m_TopRow : 0)) * int64_t{m_RowHeight};
        if (barShown != ScrollBarShown())
            top = 0;
        client.top = static_cast<int32_t>(std::clamp<int64_t>(top, 0, client.bottom));
        win::InvalidateRect(m_GridWnd, &client, win::FALSE);
    }
}

void ZAVeravuvuDudu::PropertyChanged(CProperty& aProperty) {
    if (m_released || !m_Rows)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CProperty> property(&aProperty);
    const std::string key = property->GetInternalKey();
    // Rows keep a copy of the name for when the property is gone; keep it current.
    for (const auto& tree : {m_Rows->Alphabetic(), m_Rows->Categorized()}) {
        if (const auto row = tree->ItemByKey(key))
            row->SetName(property->GetName());
    }
    if (m_ActiveNodes)
        InvalidateNodeRow(m_ActiveNodes->ItemByKey(key));
}

void ZAVeravuvuDudu::ExpandAncestors(const ole::Ptr<CNode>& node) {
    if (!node)
        return;
    const ole::Ptr<CNode> parent = node->Parent();
    if (!parent)
        return;
    ExpandAncestors(parent);
    if (!parent->Expanded())
        parent->SetExpanded(true);
}

void ZAVeravuvuDudu::InvalidateNodeRow(const ole::Ptr<CNode>& node) {
    if (!node || !win::IsWindow(m_GridWnd))
        return;
    const win::RECT rect = node->RowRect();
    win::InvalidateRect(m_GridWnd, &rect, win::TRUE);
}

} // namespace attrgrid

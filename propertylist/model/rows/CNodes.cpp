#include "propertylist/model/rows/CNodes.h"

#include "propertylist/library/AttrgridErrors.h"
#include "propertylist/model/OwnerContract.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace attrgrid {

namespace {

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

CNodes::CNodes() = default;

CNodes::~CNodes() {
    // Rows kept elsewhere outlive the tree; they must no longer find its rows.
    for (const auto& row : m_topLevel)
        LetGo(*row, false);
}

ole::Ptr<CNodes> CNodes::Create() {
    return ole::MakeObject<CNodes>();
}

const ole::ClassInfo& CNodes::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CNodes>("CNodes").Library("Attrgrid").Build();
    return info;
}

RowKeyIndex& CNodes::KeyIndexOf(NodeKind kind) const {
    if (kind == NodeKind::Category)
        return m_categoryNames;
    IndexWaitingRows();
    return m_keys;
}

void CNodes::IndexWaitingRows() const {
    if (m_unindexed.empty())
        return;
    m_keys.Reserve(m_keys.Size() + m_unindexed.size());
    for (CNode* row : m_unindexed)
        m_keys.Insert(row);
    m_unindexed.clear();
}

std::vector<ole::Ptr<CNode>>& CNodes::SiblingsOf(CNode* parent) {
    return parent ? parent->m_children : m_topLevel;
}

void CNodes::InitNodes(uint32_t ownerId, int32_t level) {
    m_ownerId = ownerId;
    m_level = level;
    m_nextNumber = 1000;
}

bool CNodes::Holds(const CNode* node) const {
    return node && node->m_held && node->NodesId() == ole::PtrOfObject(this);
}

ole::Ptr<CNode> CNodes::Add(const ole::Ptr<CNode>& relative, int32_t relationship,
                            std::string_view key, std::string_view name, const ole::Variant& value,
                            NodeKind nodeType) {
    auto node = AddRow(relative, relationship, key, name, nodeType);
    if (!node)
        return nullptr;
    // A refused initial write into the property leaves the row in place.
    try {
        if (value.IsObject())
            node->SetValue(value);
        else
            node->LetValue(value);
    } catch (const ole::Error&) {
    }
    return node;
}

ole::Ptr<CNode> CNodes::AddRow(const ole::Ptr<CNode>& relative, int32_t relationship,
                               std::string_view key, std::string_view name, NodeKind nodeType,
                               const ole::Ptr<CProperty>& property) {
    // A key stored by the owner's collection is unique among its properties, so the row waits for
    // the next lookup; only rows in the index can hold that key already.
    const bool waits = property && property->Stored() && property->OwnerId() == m_ownerId &&
                       nodeType == NodeKind::Property && !key.empty() &&
                       property->GetInternalKey() == key;
    if (waits && m_unindexedSince != CProperty::Releases()) {
        IndexWaitingRows();
        m_unindexedSince = CProperty::Releases();
    }
    auto refuseDuplicate = [] { ole::RaiseError(errors::PropertyKeyInUse, "CProperties.Add"); };
    if (!OwnerContract<CNodesOwner>::Of(m_ownerId).contract ||
        (relative && (relationship != LastChild || !Holds(relative.Get())))) {
        // A duplicate is reported before the missing owner or parent.
        if (!key.empty() && KeyIndexOf(nodeType).Find(key))
            refuseDuplicate();
        return nullptr;
    }
    RowKeyIndex& keys = waits ? m_keys : KeyIndexOf(nodeType);

    const ole::Ptr<CNodes> self(this);
    auto node = CNode::Create();
    if (property)
        node->m_property = property;
    else
        node->m_key = std::string(key);
    // The kind chooses the index; one lookup refuses a duplicate and indexes the row.
    node->SetNodeType(nodeType);
    if (waits) {
        if (keys.Find(key))
            refuseDuplicate();
    } else if (!key.empty() && !keys.Insert(node.Get())) {
        refuseDuplicate();
    }
    auto& siblings = SiblingsOf(relative.Get());
    const int32_t level = relative ? relative->Level() + 1 : m_level;
    node->InitNode(m_nextNumber++, relative, m_ownerId, self, level);
    node->m_name = std::string(name);
    siblings.push_back(node);
    node->m_index = static_cast<int32_t>(siblings.size());
    node->m_held = true;
    if (waits)
        m_unindexed.push_back(node.Get());
    ++m_count;
    VisibleRowAdded(*node, relative.Get());
    return node;
}

ole::Ptr<CNode> CNodes::Item(const ole::Variant& indexOrKey) const {
    if (indexOrKey.IsString())
        return ItemByKey(indexOrKey.AsString());
    if (!indexOrKey.IsNumericType() || indexOrKey.ValueType() == ole::VT_DATE)
        return nullptr;
    double position = 0;
    try {
        position = base::RoundHalfEven(ole::CDbl(indexOrKey));
    } catch (const ole::Error&) {
        return nullptr;
    }
    if (!(position >= 1 && position <= Count()))
        return nullptr;
    return Snapshot()[static_cast<size_t>(position) - 1];
}

ole::Ptr<CNode> CNodes::ItemByKey(std::string_view key) const {
    return ole::Ptr<CNode>(KeyIndexOf(NodeKind::Property).Find(key));
}

ole::Ptr<CNode> CNodes::CategoryByName(std::string_view name) const {
    return ole::Ptr<CNode>(m_categoryNames.Find(Trim(name)));
}

ole::Ptr<CNode> CNodes::FirstRow() const {
    return m_topLevel.empty() ? nullptr : m_topLevel.front();
}

ole::Ptr<CNode> CNodes::ItemByPosition(std::string_view positionKey) const {
    int32_t parentNumber = 0;
    int32_t index = 0;
    const size_t separator = positionKey.find("_I");
    if (positionKey.size() < 4 || positionKey[0] != 'P' || separator == std::string_view::npos)
        return nullptr;
    const char* end = positionKey.data() + positionKey.size();
    if (std::from_chars(positionKey.data() + 1, positionKey.data() + separator, parentNumber).ec !=
            std::errc{} ||
        std::from_chars(positionKey.data() + separator + 2, end, index).ec != std::errc{})
        return nullptr;
    if (parentNumber == 0)
        return index >= 1 && index <= TopLevelCount() ? m_topLevel[static_cast<size_t>(index - 1)]
                                                      : nullptr;
    for (const auto& row : Snapshot()) {
        if (row->NodeNumber() == parentNumber)
            return row->Child(index);
    }
    return nullptr;
}

template <class F>
void CNodes::WalkDown(const std::vector<ole::Ptr<CNode>>& rows, bool reachableOnly, F&& visit) {
    for (const auto& row : rows) {
        visit(row);
        if (!reachableOnly || row->m_expanded)
            WalkDown(row->m_children, reachableOnly, visit);
    }
}

std::vector<ole::Ptr<CNode>> CNodes::Snapshot() const {
    std::vector<ole::Ptr<CNode>> rows;
    rows.reserve(static_cast<size_t>(m_count));
    WalkDown(m_topLevel, false, [&](const ole::Ptr<CNode>& row) { rows.push_back(row); });
    return rows;
}

const std::vector<CNode*>& CNodes::VisibleRows() const {
    if (!m_visible) {
        auto rows = std::make_unique<std::vector<CNode*>>();
        rows->reserve(static_cast<size_t>(m_count));
        m_shiftBase = ShiftStamp();
        m_shifts.clear();
        WalkDown(m_topLevel, true, [&](const ole::Ptr<CNode>& row) {
            row->m_visibleIndex = static_cast<int32_t>(rows->size());
            row->m_visibleStamp = m_shiftBase;
            rows->push_back(row.Get());
        });
        m_visible = std::move(rows);
        m_visibleCount = static_cast<int32_t>(m_visible->size());
    }
    return *m_visible;
}

int32_t CNodes::VisibleCount() const {
    if (m_visibleCount < 0)
        VisibleRows();
    return m_visibleCount;
}

void CNodes::VisibleRowAdded(CNode& row, CNode* parent) {
    bool atEnd = true;
    // The parent is at hand; only rows nested deeper look their ancestors up.
    ole::Ptr<CNode> above;
    for (CNode* ancestor = parent; ancestor; ancestor = above.Get()) {
        // Under a collapsed row the new row is out of sight: count and index stay as they are.
        if (!ancestor->m_expanded)
            return;
        above = ancestor->Parent();
        atEnd = atEnd && ancestor->m_index == static_cast<int32_t>(SiblingsOf(above.Get()).size());
    }
    if (m_visibleCount >= 0)
        ++m_visibleCount;
    if (m_visible && atEnd) {
        row.m_visibleIndex = static_cast<int32_t>(m_visible->size());
        row.m_visibleStamp = ShiftStamp();
        m_visible->push_back(&row);
    } else {
        m_visible.reset();
    }
}

void CNodes::VisibleRowRemoved(const CNode& row) {
    m_visible.reset();
    if (m_visibleCount < 0)
        return;
    for (auto ancestor = row.Parent(); ancestor; ancestor = ancestor->Parent()) {
        if (!ancestor->m_expanded)
            return;
    }
    const auto reachable = [](const CNode& from, const auto& self) -> int32_t {
        int32_t count = 1;
        if (from.m_expanded) {
            for (const auto& child : from.m_children)
                count += self(*child, self);
        }
        return count;
    };
    m_visibleCount -= reachable(row, reachable);
}

void CNodes::RowExpandedChanged(CNode& row) {
    // Under a collapsed row nothing reachable changes.
    for (auto ancestor = row.Parent(); ancestor; ancestor = ancestor->Parent()) {
        if (!ancestor->m_expanded)
            return;
    }
    const int32_t at = m_visible ? ShiftedIndex(row, *m_visible) : -1;
    if (at < 0) {
        VisibleRowsChanged();
        return;
    }
    // Past a few dozen shifts, a lookup would read too many; renumbering once costs less.
    constexpr size_t kMaxShifts = 64;
    auto& rows = *m_visible;
    if (m_shifts.size() >= kMaxShifts) {
        m_shiftBase = ShiftStamp();
        m_shifts.clear();
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i]->m_visibleIndex = static_cast<int32_t>(i);
            rows[i]->m_visibleStamp = m_shiftBase;
        }
    }
    const auto first = rows.begin() + at + 1;
    if (row.m_expanded) {
        std::vector<CNode*> shown;
        WalkDown(row.m_children, true,
                 [&](const ole::Ptr<CNode>& child) { shown.push_back(child.Get()); });
        rows.insert(first, shown.begin(), shown.end());
        LogShift(at + 1, static_cast<int32_t>(shown.size()));
        for (size_t i = 0; i < shown.size(); ++i) {
            shown[i]->m_visibleIndex = at + 1 + static_cast<int32_t>(i);
            shown[i]->m_visibleStamp = ShiftStamp();
        }
    } else {
        // The rows shown below it run up to the next row after its subtree.
        auto end = static_cast<int32_t>(rows.size());
        for (const CNode* from = &row; from;) {
            if (const auto next = from->NextSibling()) {
                end = ShiftedIndex(*next, rows);
                break;
            }
            const auto parent = from->Parent();
            from = parent.Get();
        }
        if (end <= at) {
            VisibleRowsChanged();
            return;
        }
        rows.erase(first, rows.begin() + end);
        LogShift(at + 1, at + 1 - end);
    }
    m_visibleCount = static_cast<int32_t>(rows.size());
}

void CNodes::LogShift(int32_t at, int32_t count) {
    if (count != 0)
        m_shifts.push_back({at, count});
}

int32_t CNodes::ShiftedIndex(const CNode& row, const std::vector<CNode*>& rows) const {
    if (row.m_visibleStamp < m_shiftBase)
        return -1;
    int64_t index = row.m_visibleIndex;
    for (size_t i = row.m_visibleStamp - m_shiftBase; i < m_shifts.size() && index >= 0; ++i) {
        const Shift& shift = m_shifts[i];
        if (index < shift.at)
            continue;
        index += shift.count;
    }
    if (index < 0 || index >= static_cast<int64_t>(rows.size()) ||
        rows[static_cast<size_t>(index)] != &row)
        return -1;
    return static_cast<int32_t>(index);
}

bool CNodes::Precedes(const CNode& first, const CNode& second) const {
    // Each row's places among its siblings, from the top level down; an ancestor's path is a
    // prefix of its descendants' and comes first.
    const auto path = [](const CNode& row) {
        std::vector<int32_t> places{row.Index()};
        for (auto ancestor = row.Parent(); ancestor; ancestor = ancestor->Parent())
            places.push_back(ancestor->Index());
        std::reverse(places.begin(), places.end());
        return places;
    };
    return path(first) < path(second);
}

ole::Ptr<CNode> CNodes::VisibleRow(int32_t index) const {
    const auto& rows = VisibleRows();
    if (index < 0 || index >= static_cast<int32_t>(rows.size()))
        return nullptr;
    return ole::Ptr<CNode>(rows[static_cast<size_t>(index)]);
}

int32_t CNodes::VisibleIndex(const CNode* node) const {
    if (!Holds(node))
        return -1;
    return ShiftedIndex(*node, VisibleRows());
}

void CNodes::LetGo(CNode& node, bool unindex) {
    for (const auto& child : node.m_children)
        LetGo(*child, unindex);
    if (unindex && !node.Key().empty())
        KeyIndexOf(node.NodeType()).Erase(&node);
    node.m_held = false;
    --m_count;
    // Rows die here unless kept elsewhere; the list is emptied before they go.
    auto children = std::move(node.m_children);
    node.m_children.clear();
}

void CNodes::Rekey(CNode& node, std::string key) {
    RowKeyIndex& keys = KeyIndexOf(node.NodeType());
    if (!node.Key().empty())
        keys.Erase(&node);
    node.m_property = nullptr;
    node.m_key = std::move(key);
    if (!node.Key().empty())
        keys.Insert(&node);
}

void CNodes::Clear() {
    m_nextNumber = 1000;
    // Rows die with the lists; keep the tree alive in case one was its last holder.
    const ole::Ptr<CNodes> self(this);
    VisibleRowsChanged();
    auto rows = std::move(m_topLevel);
    m_topLevel.clear();
    m_keys.Clear();
    m_unindexed.clear();
    m_categoryNames.Clear();
    for (const auto& row : rows)
        LetGo(*row, false);
    m_count = 0;
}

void CNodes::Remove(const ole::Variant& indexOrKey) {
    RemoveNode(Item(indexOrKey));
}

void CNodes::RemoveNode(const ole::Ptr<CNode>& node) {
    if (!Holds(node.Get()))
        return;
    const ole::Ptr<CNodes> self(this);
    const ole::Ptr<CNode> row = node;
    const auto parent = row->Parent();
    auto& siblings = SiblingsOf(parent.Get());
    const auto at = static_cast<size_t>(row->Index() - 1);
    if (at >= siblings.size() || siblings[at].Get() != row.Get())
        return;
    VisibleRowRemoved(*row);
    LetGo(*row, true);
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(at));
    for (size_t i = at; i < siblings.size(); ++i)
        siblings[i]->m_index = static_cast<int32_t>(i + 1);
}

void CNodes::SwapNodes(const ole::Ptr<CNode>& node1, const ole::Ptr<CNode>& node2) {
    if (!node1 || !node2 || node1.Get() == node2.Get())
        return;
    // A row already removed would take a live row's place and drop it from the tree.
    if (!Holds(node1.Get()) || !Holds(node2.Get()) || node1->ParentId() != node2->ParentId())
        return;
    const auto parent = node1->Parent();
    auto& siblings = SiblingsOf(parent.Get());
    const auto at1 = static_cast<size_t>(node1->Index() - 1);
    const auto at2 = static_cast<size_t>(node2->Index() - 1);
    if (at1 >= siblings.size() || at2 >= siblings.size() || siblings[at1].Get() != node1.Get() ||
        siblings[at2].Get() != node2.Get())
        return;
    VisibleRowsChanged();
    std::swap(siblings[at1], siblings[at2]);
    std::swap(node1->m_index, node2->m_index);
}

} // namespace attrgrid

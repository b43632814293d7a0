#include "propertylist/model/rows/CNodes.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

#include <cassert>
#include <cmath>

namespace attrgrid {

namespace {

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Runs one step of a sequence whose failures are ignored, so the next step still runs.
template <class F>
void IgnoringFailure(F step) {
    try {
        step();
    } catch (const ole::Error&) {
    }
}

} // namespace

CNodes::CNodes()
    : m_nodes(ole::Collection::Create()), m_keys(ole::Collection::Create()),
      m_categoryNames(ole::Collection::Create()) {}

const ole::Ptr<ole::Collection>& CNodes::KeyMapOf(NodeKind kind) const {
    return kind == NodeKind::Category ? m_categoryNames : m_keys;
}

ole::Ptr<CNodes> CNodes::Create() {
    return ole::MakeObject<CNodes>();
}

const ole::ClassInfo& CNodes::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CNodes>("CNodes").Library("Attrgrid").Build();
    return info;
}

void CNodes::InitNodes(uint32_t ownerId, int32_t level) {
    m_ownerId = ownerId;
    m_level = level;
    m_nextNumber = 1000;
    m_topLevelCount = 0;
}

ole::Ptr<CNode> CNodes::Add(const ole::Ptr<CNode>& relative, int32_t relationship, std::string& key,
                            std::string_view name, const ole::Variant& value, NodeKind nodeType) {
    key = Trim(key);
    const auto& keyMap = KeyMapOf(nodeType);
    if (!key.empty() && keyMap->ContainsKey(key))
        ole::RaiseError(ErrDuplicateKey, "Property with this key is already present.",
                        "CProperties.Add");
    const auto owner = ole::ObjectFromPtr(m_ownerId);
    if (!dynamic_cast<CNodesOwner*>(owner.Get()))
        return nullptr;
    if (relative && (relationship != LastChild || relative->NodesId() != ole::PtrOfObject(this)))
        return nullptr;

    const ole::Ptr<CNodes> self(this);
    auto node = CNode::Create();
    int32_t level = m_level;
    int32_t index = 0;
    int32_t parentNumber = 0;
    if (relative) {
        level = relative->Level() + 1;
        index = relative->ChildCount() + 1;
        parentNumber = relative->NodeNumber();
        relative->IncrementChildCount();
    } else {
        index = ++m_topLevelCount;
    }
    node->InitNode(m_nextNumber, relative, m_ownerId, self, level);
    node->SetIndex(index);
    node->SetPositionKey(MakePositionKey(parentNumber, index));
    // Set before the key is stored: the kind chooses the key map.
    node->SetNodeType(nodeType);
    if (!key.empty()) {
        IgnoringFailure([&] { keyMap->Append(ole::Variant(node->PositionKey()), key); });
        node->SetKey(key);
    }
    IgnoringFailure([&] { m_nodes->Append(ole::Variant(node), node->PositionKey()); });
    ++m_nextNumber;
    node->SetName(std::string(name));
    // A refused initial write into the property leaves the row in place.
    IgnoringFailure([&] {
        if (value.IsObject())
            node->SetValue(value);
        else
            node->LetValue(value);
    });
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
    return ole::PtrCast<CNode>(m_nodes->ItemAt(static_cast<int32_t>(position)).AsObject());
}

ole::Ptr<CNode> CNodes::ItemByKey(std::string_view key) const {
    if (!m_keys->ContainsKey(key))
        return nullptr;
    return ItemByPosition(m_keys->ItemByKey(key).AsString());
}

ole::Ptr<CNode> CNodes::CategoryByName(std::string_view name) const {
    const std::string key = Trim(name);
    if (!m_categoryNames->ContainsKey(key))
        return nullptr;
    return ItemByPosition(m_categoryNames->ItemByKey(key).AsString());
}

ole::Ptr<CNode> CNodes::ItemByPosition(std::string_view positionKey) const {
    if (!m_nodes->ContainsKey(positionKey))
        return nullptr;
    return ole::PtrCast<CNode>(m_nodes->ItemByKey(positionKey).AsObject());
}

int32_t CNodes::Count() const {
    return m_nodes->Count();
}

std::vector<ole::Ptr<CNode>> CNodes::Snapshot() const {
    std::vector<ole::Ptr<CNode>> rows;
    for (const auto& item : m_nodes->Snapshot())
        rows.push_back(ole::PtrCast<CNode>(item.AsObject()));
    return rows;
}

void CNodes::Clear() {
    m_nextNumber = 1000;
    m_topLevelCount = 0;
    // Rows die with the collection; keep the tree alive in case one was its last holder.
    const ole::Ptr<CNodes> self(this);
    m_nodes->Clear();
    m_keys->Clear();
    m_categoryNames->Clear();
}

void CNodes::Store(const ole::Ptr<CNode>& node) {
    m_nodes->Append(ole::Variant(node), node->PositionKey());
    if (!node->Key().empty())
        KeyMapOf(node->NodeType())->Append(ole::Variant(node->PositionKey()), node->Key());
}

void CNodes::Unstore(const ole::Ptr<CNode>& node) {
    IgnoringFailure([&] { m_nodes->RemoveByKey(node->PositionKey()); });
    if (!node->Key().empty())
        IgnoringFailure([&] { KeyMapOf(node->NodeType())->RemoveByKey(node->Key()); });
}

void CNodes::RemoveChildren(const ole::Ptr<CNode>& node) {
    if (!node)
        return;
    std::vector<ole::Ptr<CNode>> children;
    for (int32_t i = 1; i <= node->ChildCount(); ++i) {
        if (auto child = node->Child(i))
            children.push_back(std::move(child));
    }
    for (const auto& child : children)
        RemoveChildren(child);
    Unstore(node);
}

void CNodes::Remove(const ole::Variant& indexOrKey) {
    RemoveNode(Item(indexOrKey));
}

void CNodes::RemoveNode(const ole::Ptr<CNode>& node) {
    const ole::Ptr<CNodes> self(this);
    if (!node || node->NodesId() != ole::PtrOfObject(this) ||
        ItemByPosition(node->PositionKey()).Get() != node.Get())
        return;
    const auto parent = node->Parent();
    const int32_t parentNumber = parent ? parent->NodeNumber() : 0;
    const int32_t siblingCount = parent ? parent->ChildCount() : m_topLevelCount;
    RemoveChildren(node);
    for (int32_t i = node->Index() + 1; i <= siblingCount; ++i) {
        IgnoringFailure([&] {
            SetPosition(ItemByPosition(MakePositionKey(parentNumber, i)), i - 1, parentNumber);
        });
    }
    if (parent)
        parent->DecrementChildCount();
    else if (node->ParentId() == 0)
        --m_topLevelCount;
}

void CNodes::SetPosition(const ole::Ptr<CNode>& node, int32_t index, int32_t parentNumber) {
    if (!node)
        return;
    const std::string newKey = MakePositionKey(parentNumber, index);
    if (const auto holder = ItemByPosition(newKey)) {
        // Moving onto another row's place would drop that row from the tree.
        assert(holder.Get() == node.Get() && "SetPosition onto an occupied position");
        if (holder.Get() != node.Get())
            return;
    }
    Unstore(node);
    node->SetPositionKey(newKey);
    node->SetIndex(index);
    Store(node);
}

void CNodes::SwapNodes(const ole::Ptr<CNode>& node1, const ole::Ptr<CNode>& node2) {
    if (!node1 || !node2 || node1.Get() == node2.Get())
        return;
    const uint32_t self = ole::PtrOfObject(this);
    if (node1->NodesId() != self || node2->NodesId() != self ||
        node1->ParentId() != node2->ParentId())
        return;
    const ole::Ptr<CNodes> keepAlive(this);
    Unstore(node1);
    Unstore(node2);
    const std::string key1 = node1->PositionKey();
    node1->SetPositionKey(node2->PositionKey());
    node2->SetPositionKey(key1);
    const int32_t index1 = node1->Index();
    node1->SetIndex(node2->Index());
    node2->SetIndex(index1);
    IgnoringFailure([&] { Store(node1); });
    IgnoringFailure([&] { Store(node2); });
}

} // namespace attrgrid

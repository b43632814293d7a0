#pragma once

#include "propertylist/model/rows/CNode.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

// One view's rows, stored flat: every row under its position key ("P<parent number>_I<index>"),
// and each non-empty row key mapped to its position key. Walking the tree is building keys, and
// moving a row among its siblings re-keys that row alone.
//
// Property rows and category rows keep their keys in two separate maps: a category named like a
// property's internal key ("A_B") or like a number ("2024") is its own row, and a key lookup never
// mistakes one kind for the other.
class CNodes : public ole::Object {
public:
    static constexpr int32_t LastChild = 4;
    static constexpr int32_t ErrDuplicateKey = static_cast<int32_t>(0x80040005);

    static ole::Ptr<CNodes> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // `key` is trimmed in place. Raises ErrDuplicateKey for a key already present (any case) among
    // rows of the same kind; returns null when the tree has no live owner or the relationship is
    // not LastChild.
    ole::Ptr<CNode> Add(const ole::Ptr<CNode>& relative, int32_t relationship, std::string& key,
                        std::string_view name, const ole::Variant& value, NodeKind nodeType);
    // A number is a 1-based position in storage order (not display order); text is a property
    // row's key.
    ole::Ptr<CNode> Item(const ole::Variant& indexOrKey) const;
    // The property row under this key.
    ole::Ptr<CNode> ItemByKey(std::string_view key) const;
    // The category row of this name (trimmed, any case).
    ole::Ptr<CNode> CategoryByName(std::string_view name) const;
    int32_t Count() const;
    // The rows in storage order, as they are now.
    std::vector<ole::Ptr<CNode>> Snapshot() const;
    void Clear();
    // Removes the row found by Item, with its subtree, and closes the gap among its siblings.
    void Remove(const ole::Variant& indexOrKey);
    void RemoveNode(const ole::Ptr<CNode>& node);
    int32_t Level() const { return m_level; }

    // Tree bookkeeping, for rows and the control.
    void InitNodes(uint32_t ownerId, int32_t level);
    uint32_t OwnerId() const { return m_ownerId; }
    ole::Ptr<CNode> ItemByPosition(std::string_view positionKey) const;
    int32_t TopLevelCount() const { return m_topLevelCount; }
    void SetTopLevelCount(int32_t count) { m_topLevelCount = count; }
    // Moves a row to a free position; a position held by another row is left alone.
    void SetPosition(const ole::Ptr<CNode>& node, int32_t index, int32_t parentNumber);
    // Exchanges two siblings' places; rows with different parents are left alone.
    void SwapNodes(const ole::Ptr<CNode>& node1, const ole::Ptr<CNode>& node2);
    // Removes a row and everything below it from both collections, without closing gaps.
    void RemoveChildren(const ole::Ptr<CNode>& node);

private:
    CNodes();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void Store(const ole::Ptr<CNode>& node);
    void Unstore(const ole::Ptr<CNode>& node);
    const ole::Ptr<ole::Collection>& KeyMapOf(NodeKind kind) const;

    ole::Ptr<ole::Collection> m_nodes;
    ole::Ptr<ole::Collection> m_keys;
    ole::Ptr<ole::Collection> m_categoryNames;
    uint32_t m_ownerId = 0;
    int32_t m_level = 0;
    int32_t m_nextNumber = 1000;
    int32_t m_topLevelCount = 0;
};

} // namespace attrgrid

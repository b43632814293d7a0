#pragma once

#include "propertylist/model/rows/CNode.h"
#include "propertylist/model/rows/RowKeyIndex.h"

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

// One view's rows as a tree: the tree holds its top-level rows in order, each row its children.
// Two key indexes find rows by key: property rows under their property's internal key as given,
// category rows under their trimmed name. They are kept apart, so a category named like a
// property's internal key ("A_B") or like a number ("2024") is its own row, and a key lookup
// never mistakes one kind for the other. A row made from a property the collection holds joins
// the key index on the next lookup rather than at once: the collection already keeps those keys
// apart, so a fill of many properties probes no growing table per row. Once the collection lets
// go of any property, a waiting row may share a later one's key; the rows waiting then join first.
//
// The rows a user can reach (every row whose ancestors are all expanded) are indexed in display
// order on first use after a change, so the row at a scroll position and a row's place among
// them cost no walk from the top. Adding or removing a row keeps their count, and adding keeps the
// index when the row goes at the end of the display or out of sight, so a tree filled or emptied
// row by row is not walked at every step. Collapsing or expanding a row takes its reachable rows
// out of the index or puts them in, in place; the rows after them learn their new place on their
// next lookup, from a short log of those shifts, instead of being renumbered at once.
class CNodes : public ole::Object {
public:
    static constexpr int32_t LastChild = 4;

    static ole::Ptr<CNodes> Create();
    ~CNodes() override;
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // Raises errors::PropertyKeyInUse for a key already present (any case) among rows of the same
    // kind; returns null when the tree has no live owner or the relationship is not LastChild.
    ole::Ptr<CNode> Add(const ole::Ptr<CNode>& relative, int32_t relationship, std::string_view key,
                        std::string_view name, const ole::Variant& value, NodeKind nodeType);
    // Add without the initial value write, for a row made from a property that holds the value.
    // A row made from `property` (whose internal key is `key`) holds it and shares its key.
    ole::Ptr<CNode> AddRow(const ole::Ptr<CNode>& relative, int32_t relationship,
                           std::string_view key, std::string_view name, NodeKind nodeType,
                           const ole::Ptr<CProperty>& property = nullptr);
    // A number is a 1-based position in tree order (a row, then its children); text is a
    // property row's key.
    ole::Ptr<CNode> Item(const ole::Variant& indexOrKey) const;
    // The property row under this key.
    ole::Ptr<CNode> ItemByKey(std::string_view key) const;
    // The category row of this name (trimmed, any case).
    ole::Ptr<CNode> CategoryByName(std::string_view name) const;
    int32_t Count() const { return m_count; }
    // The rows in tree order, as they are now.
    std::vector<ole::Ptr<CNode>> Snapshot() const;
    void Clear();
    // Removes the row found by Item, with its subtree, and closes the gap among its siblings.
    void Remove(const ole::Variant& indexOrKey);
    void RemoveNode(const ole::Ptr<CNode>& node);
    int32_t Level() const { return m_level; }

    // Tree bookkeeping, for rows and the control.
    void InitNodes(uint32_t ownerId, int32_t level);
    uint32_t OwnerId() const { return m_ownerId; }
    bool Holds(const CNode* node) const;
    ole::Ptr<CNode> FirstRow() const;
    // The row at "P<parent number>_I<index>"; finding a nested row's parent walks the tree.
    ole::Ptr<CNode> ItemByPosition(std::string_view positionKey) const;
    int32_t TopLevelCount() const { return static_cast<int32_t>(m_topLevel.size()); }
    const std::vector<ole::Ptr<CNode>>& TopLevel() const { return m_topLevel; }
    // Exchanges two siblings' places; rows with different parents, or not held by this tree,
    // are left alone.
    void SwapNodes(const ole::Ptr<CNode>& node1, const ole::Ptr<CNode>& node2);

    // True when `first` comes before `second` in tree order (a row, then its children), shown or
    // not; both must be held by this tree.
    bool Precedes(const CNode& first, const CNode& second) const;

    // The reachable rows in display order.
    int32_t VisibleCount() const;
    ole::Ptr<CNode> VisibleRow(int32_t index) const;
    // The row's place among the reachable rows, or -1.
    int32_t VisibleIndex(const CNode* node) const;
    // For rows whose Expanded changes: the reachable rows are indexed again on next use.
    void VisibleRowsChanged() {
        m_visible.reset();
        m_visibleCount = -1;
    }
    // For a held row whose Expanded just changed.
    void RowExpandedChanged(CNode& row);

private:
    CNodes();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
    friend class CNode;

    const std::vector<CNode*>& VisibleRows() const;
    // Visits `rows` and their descendants in display order; `reachableOnly` skips what lies
    // under a collapsed row.
    template <class F>
    static void WalkDown(const std::vector<ole::Ptr<CNode>>& rows, bool reachableOnly, F&& visit);
    std::vector<ole::Ptr<CNode>>& SiblingsOf(CNode* parent);
    // Complete: the rows still waiting join the index first.
    RowKeyIndex& KeyIndexOf(NodeKind kind) const;
    void IndexWaitingRows() const;
    // Lets go of a row and everything below it, depth first; `unindex` takes their keys out of
    // the key indexes too.
    void LetGo(CNode& node, bool unindex);
    void Rekey(CNode& node, std::string key);
    // Keeps the reachable rows' count and index for a row just added as its parent's last child.
    void VisibleRowAdded(CNode& row, CNode* parent);
    // Keeps the reachable rows' count for a row about to go with its subtree.
    void VisibleRowRemoved(const CNode& row);
    // The row's place among the reachable rows as `rows` stand now, or -1.
    int32_t ShiftedIndex(const CNode& row, const std::vector<CNode*>& rows) const;
    // Records `count` rows put in (or, negative, taken out) at `at`.
    void LogShift(int32_t at, int32_t count);
    uint32_t ShiftStamp() const { return m_shiftBase + static_cast<uint32_t>(m_shifts.size()); }

    std::vector<ole::Ptr<CNode>> m_topLevel;
    mutable RowKeyIndex m_keys;
    // Property rows held but not yet in m_keys, made while CProperty::Releases() stood at
    // m_unindexedSince.
    mutable std::vector<CNode*> m_unindexed;
    uint64_t m_unindexedSince = 0;
    mutable RowKeyIndex m_categoryNames;
    mutable std::unique_ptr<std::vector<CNode*>> m_visible;
    // Shifts of the reachable rows since a row's index was written: entry i applies to indexes
    // stamped m_shiftBase + i or earlier.
    struct Shift {
        int32_t at;
        int32_t count;
    };
    mutable std::vector<Shift> m_shifts;
    mutable uint32_t m_shiftBase = 0;
    // The reachable rows' count, or -1 until they are indexed again.
    mutable int32_t m_visibleCount = 0;
    uint32_t m_ownerId = 0;
    int32_t m_level = 0;
    int32_t m_nextNumber = 1000;
    int32_t m_count = 0;
};

} // namespace attrgrid

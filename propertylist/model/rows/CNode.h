#pragma once

#include "propertylist/model/LazyPart.h"
#include "propertylist/model/rows/CNodesOwner.h"

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

class CNodes;

enum class NodeKind : int32_t { Property = 0, Category = 1 };

// One row of a row tree: a category row with its own look and value, or a property row that
// shows the property found under its Key. Owner, tree and parent are weak ids; a row holds its
// children in order, and the tree holds its top-level rows, so a row knows its place among its
// siblings without a lookup.
class CNode : public ole::Object {
public:
    static ole::Ptr<CNode> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // Look: the property's for a property row, the row's own for a category row.
    bool Bold() const;
    void SetBold(bool value);
    bool Italic() const;
    void SetItalic(bool value);
    int32_t Appearance() const;
    void SetAppearance(int32_t value);
    int32_t BackColor() const;
    void SetBackColor(int32_t value);
    int32_t ForeColor() const;
    void SetForeColor(int32_t value);
    ole::Ptr<ole::Object> Picture() const;
    void SetPicture(ole::Ptr<ole::Object> value);

    bool Expanded() const { return m_expanded; }
    // Tells the owner's listener when the state really changes.
    void SetExpanded(bool value);

    // A row made from a property shares the property's internal key.
    const std::string& Key() const { return m_property ? m_property->GetInternalKey() : m_key; }
    // A row held by a tree stays findable under its new key.
    void SetKey(std::string key);
    // A property row shows its property's current name; the stored one only once it is gone.
    std::string Name() const;
    void SetName(std::string name) { m_name = std::move(name); }

    ole::Variant Value() const;
    // Reach the property only when the value differs; its errors propagate.
    void LetValue(const ole::Variant& value);
    void SetValue(const ole::Variant& value);

    ole::Variant EditorType() const;
    ole::Variant ListItems() const;

    NodeKind NodeType() const { return m_nodeType; }
    void SetNodeType(NodeKind kind) { m_nodeType = kind; }

    // The row's property, or null for a category row, when the owner is gone or when no property
    // has the row's key.
    ole::Ptr<CProperty> Property() const;

    // Tree bookkeeping, for CNodes and the control.
    void InitNode(int32_t number, const ole::Ptr<CNode>& parent, uint32_t ownerId,
                  const ole::Ptr<CNodes>& nodes, int32_t level);
    int32_t NodeNumber() const { return m_nodeNumber; }
    int32_t Level() const { return m_level; }
    int32_t ChildCount() const { return static_cast<int32_t>(m_children.size()); }
    // 1-based place among the siblings.
    int32_t Index() const { return m_index; }
    // "P" + the parent's node number (0 at the top level) + "_I" + Index.
    std::string PositionKey() const;
    // Still in its tree: removal and clearing let go of a row that others may keep.
    bool Held() const { return m_held; }
    uint32_t OwnerId() const { return m_ownerId; }
    uint32_t ParentId() const { return m_parentId; }
    uint32_t NodesId() const { return m_nodesId; }

    ole::Ptr<CNodes> Nodes() const;
    ole::Ptr<CNode> Parent() const;
    ole::Ptr<CNode> Child(int32_t index) const;
    ole::Ptr<CNode> FirstChild() const;
    ole::Ptr<CNode> FirstSibling() const;
    ole::Ptr<CNode> FirstRootNode() const;
    ole::Ptr<CNode> LastSibling() const;
    ole::Ptr<CNode> PreviousSibling() const;
    ole::Ptr<CNode> NextSibling() const;
    ole::Ptr<CNode> NextVisibleNode() const;
    ole::Ptr<CNode> PreviousVisibleNode() const;
    bool IsLastSibling() const;
    bool IsFirstNode() const;
    bool IsDescendantOf(const ole::Ptr<CNode>& node) const;

    // Layout results, in grid pixels; all empty for a row never laid out.
    win::RECT RowRect() const { return m_layout.Get().rowRect; }
    void SetRowRect(const win::RECT& rect) { m_layout.Write().rowRect = rect; }
    win::RECT PlusMinusRect() const { return m_layout.Get().plusMinusRect; }
    void SetPlusMinusRect(const win::RECT& rect) { m_layout.Write().plusMinusRect = rect; }
    win::RECT PictureRect() const { return m_layout.Get().pictureRect; }
    void SetPictureRect(const win::RECT& rect) { m_layout.Write().pictureRect = rect; }
    win::RECT NameRect() const { return m_layout.Get().nameRect; }
    void SetNameRect(const win::RECT& rect) { m_layout.Write().nameRect = rect; }
    win::RECT ValueRect() const { return m_layout.Get().valueRect; }
    void SetValueRect(const win::RECT& rect) { m_layout.Write().valueRect = rect; }
    int32_t TextLeft() const { return m_layout.Get().textLeft; }
    void SetTextLeft(int32_t x) { m_layout.Write().textLeft = x; }
    int32_t TreeLineX() const { return m_layout.Get().treeLineX; }
    void SetTreeLineX(int32_t x) { m_layout.Write().treeLineX = x; }

private:
    friend class CNodes;

    // Only rows that reached the screen carry their geometry; the many that never do stay small.
    struct RowLayout {
        win::RECT rowRect{};
        win::RECT plusMinusRect{};
        win::RECT pictureRect{};
        win::RECT nameRect{};
        win::RECT valueRect{};
        int32_t textLeft = 0;
        int32_t treeLineX = 0;
    };

    CNode() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    bool IsPropertyRow() const { return m_nodeType == NodeKind::Property; }
    // A category row's own look and value, also what a property row falls back on once its
    // property is gone; made on first write, as property rows with a property never need it.
    struct OwnLook {
        ole::Variant value;
        ole::Ptr<ole::Object> picture;
        int32_t appearance = 0;
        int32_t backColor = -1;
        int32_t foreColor = -1;
        bool bold = false;
        bool italic = false;
    };
    const OwnLook& Own() const { return m_own.Get(); }
    OwnLook& OwnForWrite() { return m_own.Write(); }
    template <class T>
    T DelegatedGet(T (CProperty::*get)() const, T OwnLook::*own) const;
    template <class T>
    void DelegatedLet(std::string_view member, T OwnLook::*own, T value);
    // The row's property; property-only members fail with the collection's error without one.
    ole::Ptr<CProperty> RequireProperty() const;
    // This row's siblings in order (its parent's children or the tree's top level), or null
    // once the row has left its tree.
    const std::vector<ole::Ptr<CNode>>* Siblings() const;
    ole::Ptr<CNode> Sibling(int32_t index) const;

    std::string m_key;
    // The property the row was made from, shown while the list holds it: no lookup by key.
    ole::Ptr<CProperty> m_property;
    std::string m_name;
    std::vector<ole::Ptr<CNode>> m_children;
    LazyPart<OwnLook> m_own;
    LazyPart<RowLayout> m_layout;
    uint32_t m_ownerId = 0;
    uint32_t m_nodesId = 0;
    uint32_t m_parentId = 0;
    int32_t m_level = 0;
    int32_t m_nodeNumber = 0;
    int32_t m_index = 0;
    // Place in the tree's visible-row sequence when it was written, and the tree's shift stamp
    // then; checked before use.
    int32_t m_visibleIndex = -1;
    uint32_t m_visibleStamp = 0;
    NodeKind m_nodeType = NodeKind::Property;
    bool m_expanded = true;
    bool m_held = false;
};

// Makes a position key: "P" + parent's node number (0 at the top level) + "_I" + index.
std::string MakePositionKey(int32_t parentNumber, int32_t index);

} // namespace attrgrid

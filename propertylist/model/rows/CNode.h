#pragma once

#include "propertylist/model/rows/CNodesOwner.h"

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace attrgrid {

class CNodes;

enum class NodeKind : int32_t { Property = 0, Category = 1 };

// One row of a row tree: a category row with its own look and value, or a property row that
// shows the property found under its Key. Owner, tree and parent are weak ids; only the tree's
// collection holds rows.
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

    const std::string& Key() const { return m_key; }
    void SetKey(std::string key) { m_key = std::move(key); }
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

    // The row's property, or null when the owner is gone or no property has the row's key.
    ole::Ptr<ole::Object> Property() const;

    // Tree bookkeeping, for CNodes and the control.
    void InitNode(int32_t number, const ole::Ptr<CNode>& parent, uint32_t ownerId,
                  const ole::Ptr<CNodes>& nodes, int32_t level);
    int32_t NodeNumber() const { return m_nodeNumber; }
    int32_t Level() const { return m_level; }
    int32_t ChildCount() const { return m_childCount; }
    int32_t Index() const { return m_index; }
    void SetIndex(int32_t index) { m_index = index; }
    const std::string& PositionKey() const { return m_positionKey; }
    void SetPositionKey(std::string key) { m_positionKey = std::move(key); }
    void IncrementChildCount() { ++m_childCount; }
    void DecrementChildCount() { --m_childCount; }
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

    // Layout results, in grid pixels.
    win::RECT RowRect() const { return m_rowRect; }
    void SetRowRect(const win::RECT& rect) { m_rowRect = rect; }
    win::RECT PlusMinusRect() const { return m_plusMinusRect; }
    void SetPlusMinusRect(const win::RECT& rect) { m_plusMinusRect = rect; }
    win::RECT PictureRect() const { return m_pictureRect; }
    void SetPictureRect(const win::RECT& rect) { m_pictureRect = rect; }
    win::RECT NameRect() const { return m_nameRect; }
    void SetNameRect(const win::RECT& rect) { m_nameRect = rect; }
    win::RECT ValueRect() const { return m_valueRect; }
    void SetValueRect(const win::RECT& rect) { m_valueRect = rect; }
    int32_t TextLeft() const { return m_textLeft; }
    void SetTextLeft(int32_t x) { m_textLeft = x; }
    int32_t TreeLineX() const { return m_treeLineX; }
    void SetTreeLineX(int32_t x) { m_treeLineX = x; }

private:
    CNode() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    bool IsPropertyRow() const { return m_nodeType == NodeKind::Property; }
    template <class T>
    T DelegatedGet(std::string_view member, const T& own) const;
    template <class T>
    void DelegatedLet(std::string_view member, T& own, T value);
    // The row's property; property-only members fail with the collection's error without one.
    ole::Ptr<ole::Object> RequireProperty() const;
    // Number of siblings of this row: the parent's ChildCount or the tree's top-level count.
    int32_t SiblingCount() const;
    ole::Ptr<CNode> Sibling(int32_t index) const;

    std::string m_key;
    bool m_bold = false;
    bool m_italic = false;
    ole::Ptr<ole::Object> m_picture;
    uint32_t m_ownerId = 0;
    NodeKind m_nodeType = NodeKind::Property;
    int32_t m_appearance = 0;
    int32_t m_backColor = -1;
    int32_t m_foreColor = -1;
    uint32_t m_nodesId = 0;
    uint32_t m_parentId = 0;
    std::string m_name;
    ole::Variant m_value;
    int32_t m_level = 0;
    int32_t m_nodeNumber = 0;
    bool m_expanded = true;
    int32_t m_index = 0;
    int32_t m_childCount = 0;
    std::string m_positionKey;
    win::RECT m_rowRect{};
    win::RECT m_plusMinusRect{};
    win::RECT m_pictureRect{};
    win::RECT m_nameRect{};
    win::RECT m_valueRect{};
    int32_t m_textLeft = 0;
    int32_t m_treeLineX = 0;
};

// Makes a position key: "P" + parent's node number (0 at the top level) + "_I" + index.
std::string MakePositionKey(int32_t parentNumber, int32_t index);

} // namespace attrgrid

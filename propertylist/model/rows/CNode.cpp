#include "propertylist/model/rows/CNode.h"

#include "propertylist/model/OwnerContract.h"
#include "propertylist/model/rows/CNodes.h"
#include "propertylist/model/rows/SameValue.h"

#include "platform/ole/convert/Equality.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace attrgrid {

namespace {} // namespace

std::string MakePositionKey(int32_t parentNumber, int32_t index) {
    return "P" + std::to_string(parentNumber) + "_I" + std::to_string(index);
}

ole::Ptr<CNode> CNode::Create() {
    return ole::MakeObject<CNode>();
}

const ole::ClassInfo& CNode::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CNode>("CNode").Library("Attrgrid").Build();
    return info;
}

ole::Ptr<CProperty> CNode::Property() const {
    // A category's name may read like some property's key; it still has no property.
    if (!IsPropertyRow())
        return nullptr;
    const auto owner = OwnerContract<CNodesOwner>::Of(m_ownerId);
    if (!owner.contract)
        return nullptr;
    if (m_property && m_property->Stored())
        return m_property;
    return owner.contract->NodeProperty(Key());
}

ole::Ptr<CProperty> CNode::RequireProperty() const {
    auto property = Property();
    if (!property)
        ole::RaiseError(ole::ERR_INVALID_CALL);
    return property;
}

// Delegated look: the property's member for a property row whose property is found; otherwise
// the row's own field, so a row whose property is gone still paints.

// Reads go straight to the property's own getters; writes go through its public members, as a
// host's would, so what the property refuses carries the library's source.
template <class T>
T CNode::DelegatedGet(T (CProperty::*get)() const, T OwnLook::*own) const {
    if (auto p = Property())
        return ((*p).*get)();
    return Own().*own;
}

template <class T>
void CNode::DelegatedLet(std::string_view member, T OwnLook::*own, T value) {
    if (auto p = Property())
        return ole::LetProperty(ole::Variant(p), member, ole::Variant(value));
    OwnForWrite().*own = value;
}

bool CNode::Bold() const {
    return DelegatedGet(&CProperty::GetBold, &OwnLook::bold);
}
void CNode::SetBold(bool value) {
    DelegatedLet("Bold", &OwnLook::bold, value);
}
bool CNode::Italic() const {
    return DelegatedGet(&CProperty::GetItalic, &OwnLook::italic);
}
void CNode::SetItalic(bool value) {
    DelegatedLet("Italic", &OwnLook::italic, value);
}
int32_t CNode::Appearance() const {
    return DelegatedGet(&CProperty::GetAppearance, &OwnLook::appearance);
}
void CNode::SetAppearance(int32_t value) {
    DelegatedLet("Appearance", &OwnLook::appearance, value);
}
int32_t CNode::BackColor() const {
    return DelegatedGet(&CProperty::GetBackColor, &OwnLook::backColor);
}
void CNode::SetBackColor(int32_t value) {
    DelegatedLet("BackColor", &OwnLook::backColor, value);
}
int32_t CNode::ForeColor() const {
    return DelegatedGet(&CProperty::GetForeColor, &OwnLook::foreColor);
}
void CNode::SetForeColor(int32_t value) {
    DelegatedLet("ForeColor", &OwnLook::foreColor, value);
}
ole::Ptr<ole::Object> CNode::Picture() const {
    if (auto p = Property())
        return p->GetPicture();
    return Own().picture;
}
void CNode::SetPicture(ole::Ptr<ole::Object> value) {
    if (auto p = Property())
        return ole::SetProperty(ole::Variant(p), "Picture", ole::Variant(std::move(value)));
    OwnForWrite().picture = std::move(value);
}

void CNode::SetExpanded(bool value) {
    if (value == m_expanded)
        return;
    m_expanded = value;
    if (m_held && !m_children.empty()) {
        if (const auto nodes = Nodes())
            nodes->RowExpandedChanged(*this);
    }
    // The listener may clear both trees; keep this row and the owner alive through the call.
    const ole::Ptr<CNode> self(this);
    const auto owner = OwnerContract<CNodesOwner>::Of(m_ownerId);
    if (owner.contract)
        owner.contract->NodeExpandedChanged(*this);
}

void CNodesOwner::NodeExpandedChanged(CNode& node) {
    const std::string key = node.Key();
    NodePropertyChanged(key, "Expanded");
}

std::string CNode::Name() const {
    if (IsPropertyRow()) {
        if (auto p = Property())
            return p->GetName();
    }
    return m_name;
}

ole::Variant CNode::Value() const {
    if (auto p = Property())
        return p->GetValue();
    return Own().value;
}

void CNode::LetValue(const ole::Variant& value) {
    if (!IsPropertyRow()) {
        OwnForWrite().value = value;
        return;
    }
    // The write-back may clear the collection and both trees; hold the row and its property.
    const ole::Ptr<CNode> self(this);
    const auto property = Property();
    if (!property)
        return;
    if (!SameValue(property->GetValue(), value))
        ole::LetProperty(ole::Variant(property), "Value", value);
}

void CNode::SetValue(const ole::Variant& value) {
    if (!value.IsObject())
        return LetValue(value);
    if (!IsPropertyRow()) {
        OwnForWrite().value = value;
        return;
    }
    const ole::Ptr<CNode> self(this);
    const auto property = Property();
    if (!property)
        return;
    const auto current = property->GetValue();
    if (!(current.IsObject() && current.AsObject().Get() == value.AsObject().Get()))
        ole::SetProperty(ole::Variant(property), "Value", value);
}

ole::Variant CNode::EditorType() const {
    return ole::Variant(RequireProperty()->GetEditorType());
}

ole::Variant CNode::ListItems() const {
    return ole::Variant(ole::Ptr<ole::Object>(RequireProperty()->GetListItems()));
}

void CNode::InitNode(int32_t number, const ole::Ptr<CNode>& parent, uint32_t ownerId,
                     const ole::Ptr<CNodes>& nodes, int32_t level) {
    m_nodeNumber = number;
    m_parentId = ole::PtrOfObject(parent);
    m_ownerId = ownerId;
    m_nodesId = ole::PtrOfObject(nodes);
    m_level = level;
    m_expanded = true;
}

void CNode::SetKey(std::string key) {
    const auto nodes = m_held ? Nodes() : nullptr;
    if (nodes)
        nodes->Rekey(*this, std::move(key));
    else {
        m_key = std::move(key);
        m_property = nullptr;
    }
}

std::string CNode::PositionKey() const {
    const auto parent = Parent();
    return MakePositionKey(parent ? parent->NodeNumber() : 0, m_index);
}

ole::Ptr<CNodes> CNode::Nodes() const {
    return ole::PtrCast<CNodes>(ole::ObjectFromPtr(m_nodesId));
}

ole::Ptr<CNode> CNode::Parent() const {
    if (m_parentId == 0)
        return nullptr;
    return ole::PtrCast<CNode>(ole::ObjectFromPtr(m_parentId));
}

ole::Ptr<CNode> CNode::Child(int32_t index) const {
    if (index < 1 || index > ChildCount())
        return nullptr;
    return m_children[static_cast<size_t>(index - 1)];
}

ole::Ptr<CNode> CNode::FirstChild() const {
    return Child(1);
}

const std::vector<ole::Ptr<CNode>>* CNode::Siblings() const {
    if (!m_held)
        return nullptr;
    if (m_parentId != 0) {
        const auto parent = Parent();
        return parent ? &parent->m_children : nullptr;
    }
    const auto nodes = Nodes();
    return nodes ? &nodes->m_topLevel : nullptr;
}

ole::Ptr<CNode> CNode::Sibling(int32_t index) const {
    // The parent or tree that owns the list outlives this call: it holds this row.
    const auto* siblings = Siblings();
    if (!siblings || index < 1 || index > static_cast<int32_t>(siblings->size()))
        return nullptr;
    return (*siblings)[static_cast<size_t>(index - 1)];
}

ole::Ptr<CNode> CNode::FirstSibling() const {
    return Sibling(1);
}

ole::Ptr<CNode> CNode::FirstRootNode() const {
    const auto nodes = Nodes();
    return nodes ? nodes->FirstRow() : nullptr;
}

ole::Ptr<CNode> CNode::LastSibling() const {
    const auto* siblings = Siblings();
    return siblings && !siblings->empty() ? siblings->back() : nullptr;
}

ole::Ptr<CNode> CNode::PreviousSibling() const {
    return Sibling(m_index - 1);
}

ole::Ptr<CNode> CNode::NextSibling() const {
    return Sibling(m_index + 1);
}

ole::Ptr<CNode> CNode::NextVisibleNode() const {
    if (!m_held)
        return nullptr;
    if (m_expanded && !m_children.empty())
        return m_children.front();
    if (auto next = NextSibling())
        return next;
    for (auto ancestor = Parent(); ancestor; ancestor = ancestor->Parent()) {
        if (auto next = ancestor->NextSibling())
            return next;
    }
    return nullptr;
}

ole::Ptr<CNode> CNode::PreviousVisibleNode() const {
    if (!m_held)
        return nullptr;
    if (m_parentId != 0 && m_index == 1)
        return Parent();
    auto last = PreviousSibling();
    // The last row shown of the previous sibling's subtree.
    while (last && last->m_expanded && !last->m_children.empty())
        last = last->m_children.back();
    return last;
}

bool CNode::IsLastSibling() const {
    const auto* siblings = Siblings();
    return siblings ? m_index == static_cast<int32_t>(siblings->size()) : m_index == 0;
}

bool CNode::IsFirstNode() const {
    return m_parentId == 0 && m_index == 1;
}

bool CNode::IsDescendantOf(const ole::Ptr<CNode>& node) const {
    if (!node)
        return false;
    for (auto ancestor = Parent(); ancestor; ancestor = ancestor->Parent()) {
        if (ancestor.Get() == node.Get())
            return true;
    }
    return false;
}

} // namespace attrgrid

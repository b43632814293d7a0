#include "propertylist/model/rows/CRowTrees.h"

#include "propertylist/model/rows/CategoryPath.h"
#include "propertylist/model/rows/SameValue.h"

#include "platform/ole/error/Error.h"

namespace attrgrid {

CRowTrees::CRowTrees() : m_alphabetic(CNodes::Create()), m_categorized(CNodes::Create()) {}

void CRowTrees::InitTrees(uint32_t ownerId) {
    m_alphabetic->InitNodes(ownerId, 1);
    m_categorized->InitNodes(ownerId, 1);
}

void CRowTrees::AddProperty(const ole::Ptr<CProperty>& property, std::string_view separator,
                            std::string_view defaultCategory, const CategoryLook& look) {
    if (!property)
        return;
    // Both trees and the property may be touched by listeners below; keep them alive.
    const ole::Ptr<CNodes> alphabetic = m_alphabetic;
    const ole::Ptr<CNodes> categorized = m_categorized;
    if (IsBlankCategory(property->GetCategory(), separator))
        property->SetCategory(std::string(defaultCategory));

    ole::Ptr<CNode> parent;
    const std::string category = property->GetCategory();
    size_t from = 0;
    for (auto piece = NextCategoryPiece(category, separator, from); !piece.empty();
         piece = NextCategoryPiece(category, separator, from)) {
        try {
            auto row = categorized->CategoryByName(piece);
            if (!row) {
                row = categorized->Add(parent, CNodes::LastChild, piece, piece, ole::Variant(""),
                                       NodeKind::Category);
            }
            if (!row)
                continue;
            row->SetBold(look.bold);
            row->SetForeColor(look.foreColor);
            row->SetBackColor(look.backColor);
            row->SetAppearance(look.appearance);
            parent = row;
        } catch (const ole::Error&) {
        }
    }
    const std::string name = property->GetName();
    const ole::Variant value = property->GetValue();
    // The rows show the property's own value: writing it into the property again changes nothing
    // unless the value is not even equal to itself (an array), which a store then writes back.
    const bool writeBack = !SameValue(value, value);
    for (const auto& [tree, rowParent] : {std::pair{categorized, parent}, {alphabetic, nullptr}}) {
        try {
            const auto row = tree->AddRow(rowParent, CNodes::LastChild, property->GetInternalKey(),
                                          name, NodeKind::Property, property);
            if (row && writeBack)
                row->LetValue(value);
        } catch (const ole::Error&) {
        }
    }
}

void CRowTrees::RemoveCategorizedRow(const ole::Ptr<CNode>& row) {
    const auto parent = row->Parent();
    m_categorized->RemoveNode(row);
    if (parent && parent->ChildCount() == 0)
        RemoveCategorizedRow(parent);
}

void CRowTrees::RemoveProperty(std::string_view internalKey) {
    const ole::Ptr<CNodes> alphabetic = m_alphabetic;
    const ole::Ptr<CNodes> categorized = m_categorized;
    if (auto row = categorized->ItemByKey(internalKey))
        RemoveCategorizedRow(row);
    alphabetic->Remove(ole::Variant(std::string(internalKey)));
}

void CRowTrees::Clear() {
    m_categorized->Clear();
    m_alphabetic->Clear();
}

} // namespace attrgrid

#include "propertylist/model/rows/RowKeyIndex.h"

#include "propertylist/model/rows/CNode.h"

#include "platform/base/TextCase.h"
#include "platform/ole/collection/KeyHash.h"

namespace attrgrid {

size_t RowKeyIndex::Hash::operator()(std::string_view key) const {
    return ole::FoldedKeyHash(key);
}

size_t RowKeyIndex::Hash::operator()(const CNode* row) const {
    return (*this)(std::string_view(row->Key()));
}

bool RowKeyIndex::Equal::operator()(std::string_view a, const CNode* b) const {
    return base::EqualsNoCase(a, b->Key());
}

bool RowKeyIndex::Equal::operator()(const CNode* a, std::string_view b) const {
    return base::EqualsNoCase(a->Key(), b);
}

bool RowKeyIndex::Equal::operator()(const CNode* a, const CNode* b) const {
    return a == b || base::EqualsNoCase(a->Key(), b->Key());
}

CNode* RowKeyIndex::Find(std::string_view key) const {
    const auto found = m_rows.find(key);
    return found == m_rows.end() ? nullptr : *found;
}

bool RowKeyIndex::Insert(CNode* row) {
    return m_rows.insert(row).second;
}

void RowKeyIndex::Erase(const CNode* row) {
    const auto found = m_rows.find(std::string_view(row->Key()));
    if (found != m_rows.end() && *found == row)
        m_rows.erase(found);
}

} // namespace attrgrid

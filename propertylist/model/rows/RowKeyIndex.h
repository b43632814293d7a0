#pragma once

#include "propertylist/model/rows/CNode.h"

#include "platform/ole/collection/FoldedKeyIndex.h"

#include <string>

namespace attrgrid {

struct RowKeyOf {
    const std::string& operator()(const CNode& row) const { return row.Key(); }
};

// Rows by key, compared without regard to case, hashed as the keyed collection hashes its keys.
// The index reads the row's own key, so a row's key must not change while the row is indexed.
using RowKeyIndex = ole::FoldedKeyIndex<CNode, RowKeyOf>;

} // namespace attrgrid

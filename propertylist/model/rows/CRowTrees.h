#pragma once

#include "propertylist/model/rows/CNodes.h"

#include "propertylist/model/property/CProperty.h"

#include <string>
#include <string_view>

namespace attrgrid {

// How category rows look; applied when a row is made and whenever a property joins it.
struct CategoryLook {
    bool bold = true;
    int32_t foreColor = -1;
    int32_t backColor = -1;
    int32_t appearance = 0;
};

// The control's two views of its properties: every property as a top-level row in order of
// addition, and the same properties under category rows nested along their category paths. A
// category row is keyed by its own trimmed name, so one name used at two levels is one row.
class CRowTrees {
public:
    CRowTrees();

    void InitTrees(uint32_t ownerId);
    const ole::Ptr<CNodes>& Alphabetic() const { return m_alphabetic; }
    const ole::Ptr<CNodes>& Categorized() const { return m_categorized; }

    // A blank category (empty or separators only) is replaced by `defaultCategory` first.
    void AddProperty(const ole::Ptr<CProperty>& property, std::string_view separator,
                     std::string_view defaultCategory, const CategoryLook& look);
    // Removes the property's rows; category rows left without children go with it.
    void RemoveProperty(std::string_view internalKey);
    void Clear();

private:
    void RemoveCategorizedRow(const ole::Ptr<CNode>& row);

    ole::Ptr<CNodes> m_alphabetic;
    ole::Ptr<CNodes> m_categorized;
};

} // namespace attrgrid

#include "propertylist/control/paint/CellContent.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"

namespace attrgrid {

bool IsColorRow(const CNode& row, const CProperty* property) {
    return row.NodeType() == NodeKind::Property && property &&
           property->EditorTypeField() == shared::KSColorEditor;
}

std::string CellText(const CNode& row, const CProperty* property, bool nameCell) {
    if (nameCell)
        return row.Name();
    if (property)
        return property->FormattedText();
    return ole::CStr(row.Value());
}

} // namespace attrgrid

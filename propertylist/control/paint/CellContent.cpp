#include "propertylist/control/paint/CellContent.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"

namespace attrgrid {

bool IsColorRow(const CNode& row, const CProperty* property) {
    return row.NodeType() == NodeKind::Property && property &&
           property->EditorTypeField() == shared::KSColorEditor;
}

std::optional<win::COLORREF> RowValueColor(const CNode& row) {
    try {
        return shared::TranslateColor(static_cast<uint32_t>(ole::CLng(row.Value())));
    } catch (const ole::Error&) {
        return std::nullopt;
    }
}

bool ShowsColorSwatch(const CNode& row, const CProperty* property) {
    return IsColorRow(row, property) && RowValueColor(row).has_value();
}

std::string CellText(const CNode& row, const CProperty* property, bool nameCell) {
    if (nameCell)
        return row.Name();
    if (property)
        return property->FormattedText();
    return ole::CStr(row.Value());
}

} // namespace attrgrid

#pragma once

#include "propertylist/model/property/CProperty.h"
#include "propertylist/model/rows/CNode.h"

#include "platform/win/WinTypes.h"

#include <optional>
#include <string>

namespace attrgrid {

// What a cell shows, shared by the painter and the hover tooltip so both measure the same text.
// `property` is the row's property (null for a category row or a row whose property is gone).

// A property row edited with the colour editor.
bool IsColorRow(const CNode& row, const CProperty* property);
// The row's value as a colour to draw, or nothing when the value is no colour.
std::optional<win::COLORREF> RowValueColor(const CNode& row);
// A colour row whose value is a colour: its value cell starts with a swatch.
bool ShowsColorSwatch(const CNode& row, const CProperty* property);
// The row's name; a category's value; a property's formatted value (the row's own value once
// the property is gone).
std::string CellText(const CNode& row, const CProperty* property, bool nameCell);

} // namespace attrgrid

#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <string>

namespace attrgrid {

// The property list's plain persisted fields (and LockRefresh), as painting and layout read them.
// A new control starts with zero, empty or nothing, except the few Initialize sets; InitProperties
// or ReadProperties then gives every field its value.
struct GridSettings {
    int32_t activeView = 0;
    std::string alphabeticTabCaption;
    std::string categorizedTabCaption;
    int32_t backColor = 0;
    int32_t categoryAppearance = 0;
    int32_t categoryBackColor = 0;
    bool categoryBold = false;
    int32_t categoryForeColor = 0;
    std::string categorySeparator = "|";
    bool customSort = false;
    std::string defaultCategory = "Misc";
    int32_t foreColor = 0;
    int32_t grid = 0;
    int32_t headers = 0;
    int32_t highlightBackColor = 0;
    int32_t highlightForeColor = 0;
    // Pixels, unrounded; the Indentation property shows it in the control's horizontal units.
    float indentation = 0.0F;
    int32_t lineColor = 0;
    std::string nameCaption;
    ole::Ptr<ole::Picture> picture;
    int32_t pictureLayout = 0;
    int32_t propertyBackColor = 0;
    int32_t propertyForeColor = 0;
    bool showDescription = true;
    bool showTabs = true;
    bool showToolTip = true;
    bool sorted = false;
    bool sortOnHeaderClick = true;
    int32_t sortOrder = 0;
    int32_t treeStyle = 0;
    std::string valueCaption;
    bool lockRefresh = false;

    // Every test of the categorized view is "not alphabetic", so geometry and painting agree for
    // values outside the enumeration.
    bool Categorized() const { return activeView != 0; }
    // Tree styles 2 and 3 draw tree lines, 1 and 3 plus/minus boxes.
    bool TreeLines() const { return treeStyle == 2 || treeStyle == 3; }
    bool PlusMinus() const { return treeStyle == 1 || treeStyle == 3; }
};

} // namespace attrgrid

#pragma once

// What the tab and description tests read inside the control: the tab geometry in strip units
// and the tab focus flag.

#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

struct PaneTestAccess {
    static win::RECT FirstTab(const ZAVeravuvuDudu& grid) { return grid.m_FirstTabRect; }
    static win::RECT SecondTab(const ZAVeravuvuDudu& grid) { return grid.m_SecondTabRect; }
    static bool TabFocus(const ZAVeravuvuDudu& grid) { return grid.m_TabFocus; }
    static int32_t TabViewAt(const ZAVeravuvuDudu& grid, float x, float y) {
        return grid.TabViewAt(x, y);
    }
};

} // namespace attrgrid

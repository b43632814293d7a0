#pragma once

#include <cstdint>

namespace attrgrid {

// How the 16-bit scroll bar stands for the rows. One bar unit is one row while the rows that can
// scroll off the top fit the bar's range; beyond it each unit covers several rows, so the last rows
// can still be scrolled into view.
struct ScrollScale {
    // Rows that can scroll off the top: the visible rows less a page.
    int64_t span = 0;
    int32_t rowsPerUnit = 1;

    static ScrollScale For(int64_t visibleRows, int64_t page);
    // The bar's Max and LargeChange.
    int16_t Max() const;
    int16_t LargeChange(int64_t page) const;
    // The rows scrolled off the top at bar value `value`; the last unit may cover fewer rows.
    int64_t RowOffset(int32_t value) const;
};

} // namespace attrgrid

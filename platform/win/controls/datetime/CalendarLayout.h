#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// Where the parts of the month calendar lie, for a cell of cellWidth x cellHeight:
//   a title bar (cellHeight + 6 high) with square previous / next arrows at its ends,
//   a weekday header row, then 6 rows of 7 day cells, Sunday first, inside a kMargin border.
class CalendarLayout {
public:
    static constexpr int kMargin = 2;
    static constexpr int kCells = 42;

    enum class Part { None, Previous, Next, Day };
    struct Hit {
        Part part = Part::None;
        int cell = -1;
    };

    CalendarLayout(int cellWidth, int cellHeight)
        : m_cellWidth(cellWidth), m_cellHeight(cellHeight) {}

    SIZE Size() const;
    RECT Title() const;
    RECT Previous() const;
    RECT Next() const;
    RECT Month() const;
    RECT Header(int column) const;
    RECT Cell(int index) const;
    Hit HitTest(POINT pt) const;

private:
    int TitleHeight() const { return m_cellHeight + 6; }

    int m_cellWidth;
    int m_cellHeight;
};

} // namespace win::controls

#include "buttonbar/control/ButtonHitIndex.h"

#include <algorithm>
#include <utility>

namespace shelfstrip {

namespace {

// Rounds toward minus infinity, so points left of or above the origin fall in negative cells.
int64_t FloorDiv(int64_t value, int32_t divisor) {
    const int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// The cells from the one holding `first` to the one holding `last`, kept within 0..count - 1.
std::pair<int32_t, int32_t> CellRange(int64_t first, int64_t last, int32_t cell, int32_t count) {
    return {static_cast<int32_t>(std::max<int64_t>(0, FloorDiv(first, cell))),
            static_cast<int32_t>(std::min<int64_t>(count - 1, FloorDiv(last, cell)))};
}

} // namespace

void ButtonHitIndex::Build(const ole::Ptr<CGroup>& group, const Lattice& lattice, bool placed) {
    m_built = true;
    m_placed = placed;
    m_group = group;
    m_lattice = lattice;
    m_revived.clear();
}

void ButtonHitIndex::Drop() {
    m_built = false;
    m_group.Reset();
    m_revived.clear();
}

void ButtonHitIndex::Shift(int64_t dx, int64_t dy) {
    m_lattice.origin.x = PinnedCoordinate(m_lattice.origin.x + dx);
    m_lattice.origin.y = PinnedCoordinate(m_lattice.origin.y + dy);
}

void ButtonHitIndex::Revive(int32_t position) {
    if (std::find(m_revived.begin(), m_revived.end(), position) == m_revived.end())
        m_revived.push_back(position);
}

std::vector<int32_t> ButtonHitIndex::Candidates(const win::RECT& rect,
                                                const LayoutState& layout) const {
    std::vector<int32_t> positions = m_revived;
    const Lattice& l = m_lattice;
    if (m_placed && l.cellWidth > 0 && l.cellHeight > 0 && rect.left < rect.right &&
        rect.top < rect.bottom && layout.GridLines() > 0) {
        // Cells meeting the rectangle's pixels, kept inside the grid.
        const int32_t lines = layout.GridLines();
        const auto perLine = static_cast<int32_t>(layout.buttonGrid.front().size());
        const int32_t columns = l.horizontal ? lines : perLine;
        const int32_t rows = l.horizontal ? perLine : lines;
        const auto [firstColumn, lastColumn] =
            CellRange(int64_t{rect.left} - l.origin.x, int64_t{rect.right} - 1 - l.origin.x,
                      l.cellWidth, columns);
        const auto [firstRow, lastRow] =
            CellRange(int64_t{rect.top} - l.origin.y, int64_t{rect.bottom} - 1 - l.origin.y,
                      l.cellHeight, rows);
        for (int32_t row = firstRow; row <= lastRow; ++row) {
            for (int32_t column = firstColumn; column <= lastColumn; ++column) {
                const int32_t k =
                    l.horizontal ? layout.GridCell(column, row) : layout.GridCell(row, column);
                if (k > 0)
                    positions.push_back(k);
            }
        }
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

} // namespace shelfstrip

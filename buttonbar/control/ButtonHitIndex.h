#pragma once

#include "buttonbar/control/LayoutState.h"
#include "buttonbar/model/CGroup.h"

#include "platform/ole/object/WeakRef.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <vector>

namespace shelfstrip {

// Finds the buttons that may hold a point of the button area from the grid's arithmetic, so a hit
// test costs the same however many buttons the group holds. A layout pass puts every button that
// takes part on a lattice of equal cells, and scrolling moves the lattice with the buttons.
// Buttons that start to take part after the pass keep whatever place they had; the index is told
// their positions and they are tried one by one. A change it cannot follow drops it, and the hit
// test walks the buttons until the next pass builds it again.
class ButtonHitIndex {
public:
    struct Lattice {
        win::POINT origin{};
        int32_t cellWidth = 0;
        int32_t cellHeight = 0;
        // Lines run across the area (columns) rather than down it (rows).
        bool horizontal = false;
    };

    // After a layout pass of `group`; `placed` is false when no button took part, which leaves the
    // grid as an older pass wrote it.
    void Build(const ole::Ptr<CGroup>& group, const Lattice& lattice, bool placed);
    void Drop();
    // Whether the index follows this group's buttons.
    bool Serves(const CGroup* group) const {
        return m_built && group && ole::WeakRef<CGroup>(group) == m_group;
    }
    // The buttons moved by (dx, dy).
    void Shift(int64_t dx, int64_t dy);
    // The button at this 1-based position of the collection started to take part.
    void Revive(int32_t position);

    // The collection positions, ascending and each once, of the buttons that may meet `rect`:
    // those the grid holds in the cells it touches, and the revived ones. A caller still checks
    // each button's Bounds and whether it takes part.
    std::vector<int32_t> Candidates(const win::RECT& rect, const LayoutState& layout) const;

private:
    bool m_built = false;
    bool m_placed = false;
    ole::WeakRef<CGroup> m_group;
    Lattice m_lattice;
    std::vector<int32_t> m_revived;
};

} // namespace shelfstrip

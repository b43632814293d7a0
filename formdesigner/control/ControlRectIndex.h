#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace layoutdesk {

// The rectangles of one container's controls, in its client pixels, bucketed on a coarse grid so
// that a point or a band meets only the controls near it. Answers keep the order the entries were
// given in (the form's Controls order, which decides between overlapping controls). The index is
// derived: the owner builds it again whenever control placement changed.
class ControlRectIndex {
public:
    struct Entry {
        uint32_t id = 0;
        win::RECT bounds{};
    };

    ControlRectIndex(uint64_t version, std::vector<Entry> entries);

    uint64_t Version() const { return m_version; }
    size_t Size() const { return m_entries.size(); }
    // The ids whose bounds widened by `margin` on every side contain the point (edges included),
    // or meet the area; a margin that is no usable number takes every entry.
    std::vector<uint32_t> At(float x, float y, float margin) const;
    std::vector<uint32_t> Meeting(const win::RECT& area, float margin) const;

private:
    struct Span {
        int64_t left, top, right, bottom;
    };
    std::vector<uint32_t> Collect(const Span& area) const;

    uint64_t m_version = 0;
    std::vector<Entry> m_entries;
    std::unordered_map<uint64_t, std::vector<uint32_t>> m_cells;
    // Entries spanning too many cells to bucket; every query looks at them.
    std::vector<uint32_t> m_wide;
};

} // namespace layoutdesk

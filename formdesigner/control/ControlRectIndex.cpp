#include "formdesigner/control/ControlRectIndex.h"

#include <algorithm>
#include <cmath>

namespace layoutdesk {

namespace {

constexpr int kCellShift = 6;
// A rectangle or query over more cells than this is handled without the grid.
constexpr int64_t kMaxCells = 256;

int64_t CellOf(int64_t pixel) {
    return pixel >> kCellShift;
}

uint64_t CellKey(int64_t cx, int64_t cy) {
    return (static_cast<uint64_t>(cx) << 32) ^ static_cast<uint64_t>(cy & 0xFFFFFFFF);
}

int64_t CellCount(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return (CellOf(right) - CellOf(left) + 1) * (CellOf(bottom) - CellOf(top) + 1);
}

// Far beyond any pinned coordinate, and still far from overflowing.
constexpr float kNoLimit = 1e15F;

} // namespace

ControlRectIndex::ControlRectIndex(uint64_t version, std::vector<Entry> entries)
    : m_version(version), m_entries(std::move(entries)) {
    for (uint32_t i = 0; i < m_entries.size(); ++i) {
        const win::RECT& r = m_entries[i].bounds;
        const int64_t left = std::min(r.left, r.right);
        const int64_t right = std::max(r.left, r.right);
        const int64_t top = std::min(r.top, r.bottom);
        const int64_t bottom = std::max(r.top, r.bottom);
        if (CellCount(left, top, right, bottom) > kMaxCells) {
            m_wide.push_back(i);
            continue;
        }
        for (int64_t cy = CellOf(top); cy <= CellOf(bottom); ++cy)
            for (int64_t cx = CellOf(left); cx <= CellOf(right); ++cx)
                m_cells[CellKey(cx, cy)].push_back(i);
    }
}

std::vector<uint32_t> ControlRectIndex::At(float x, float y, float margin) const {
    return Meeting({static_cast<int32_t>(std::clamp(std::floor(x), -2e9F, 2e9F)),
                    static_cast<int32_t>(std::clamp(std::floor(y), -2e9F, 2e9F)),
                    static_cast<int32_t>(std::clamp(std::ceil(x), -2e9F, 2e9F)),
                    static_cast<int32_t>(std::clamp(std::ceil(y), -2e9F, 2e9F))},
                   margin);
}

std::vector<uint32_t> ControlRectIndex::Meeting(const win::RECT& area, float margin) const {
    const float m =
        std::isfinite(margin) ? std::clamp(std::ceil(std::fabs(margin)), 0.0F, kNoLimit) : kNoLimit;
    const auto grow = static_cast<int64_t>(m);
    return Collect({int64_t{std::min(area.left, area.right)} - grow,
                    int64_t{std::min(area.top, area.bottom)} - grow,
                    int64_t{std::max(area.left, area.right)} + grow,
                    int64_t{std::max(area.top, area.bottom)} + grow});
}

std::vector<uint32_t> ControlRectIndex::Collect(const Span& area) const {
    std::vector<uint32_t> found;
    const auto meets = [&](uint32_t i) {
        const win::RECT& r = m_entries[i].bounds;
        return std::min<int64_t>(r.left, r.right) <= area.right &&
               area.left <= std::max<int64_t>(r.left, r.right) &&
               std::min<int64_t>(r.top, r.bottom) <= area.bottom &&
               area.top <= std::max<int64_t>(r.top, r.bottom);
    };
    const int64_t cells = area.right - area.left > (kMaxCells << kCellShift) ||
                                  area.bottom - area.top > (kMaxCells << kCellShift)
                              ? kMaxCells + 1
                              : CellCount(area.left, area.top, area.right, area.bottom);
    if (cells > kMaxCells) {
        for (uint32_t i = 0; i < m_entries.size(); ++i)
            if (meets(i))
                found.push_back(i);
    } else {
        for (int64_t cy = CellOf(area.top); cy <= CellOf(area.bottom); ++cy)
            for (int64_t cx = CellOf(area.left); cx <= CellOf(area.right); ++cx)
                if (const auto cell = m_cells.find(CellKey(cx, cy)); cell != m_cells.end())
                    for (const uint32_t i : cell->second)
                        if (meets(i))
                            found.push_back(i);
        for (const uint32_t i : m_wide)
            if (meets(i))
                found.push_back(i);
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
    }
    for (uint32_t& i : found)
        i = m_entries[i].id;
    return found;
}

} // namespace layoutdesk

#pragma once

#include "platform/win/WinTypes.h"

#include <span>
#include <vector>

namespace win::gdi {

// A set of pixels kept as non-overlapping rectangles: update regions, clip regions and the
// visible region of a window. Empty rectangles are never stored.
class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect);

    bool IsEmpty() const { return m_rects.empty(); }
    std::span<const RECT> Rects() const { return m_rects; }
    // Bounding box; all zero when empty.
    RECT Bounds() const;
    bool Contains(int x, int y) const;
    bool Intersects(const RECT& rect) const;

    void Clear() { m_rects.clear(); }
    void Union(const RECT& rect);
    void Union(const Region& other);
    // For a region built row by row: `rect` overlaps nothing already in it, so it is added
    // without the search a union needs. Empty rectangles are skipped.
    void AddDisjoint(const RECT& rect);
    void Subtract(const RECT& rect);
    void Subtract(const Region& other);
    void Intersect(const RECT& rect);
    void Intersect(const Region& other);
    void Offset(int dx, int dy);

    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;

    friend bool operator==(const Region& a, const Region& b);

private:
    std::vector<RECT> m_rects;
};

} // namespace win::gdi

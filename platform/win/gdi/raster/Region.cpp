#include "platform/win/gdi/raster/Region.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>

namespace win::gdi {

namespace {

bool Empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

RECT Intersection(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Pushes the parts of r outside cut: a band above, a band below, and the left and right pieces
// of the middle band.
void PushDifference(const RECT& r, const RECT& cut, std::vector<RECT>& out) {
    if (!Overlap(r, cut)) {
        out.push_back(r);
        return;
    }
    if (r.top < cut.top) {
        out.push_back({r.left, r.top, r.right, cut.top});
    }
    if (cut.bottom < r.bottom) {
        out.push_back({r.left, cut.bottom, r.right, r.bottom});
    }
    const LONG top = std::max(r.top, cut.top);
    const LONG bottom = std::min(r.bottom, cut.bottom);
    if (r.left < cut.left) {
        out.push_back({r.left, top, cut.left, bottom});
    }
    if (cut.right < r.right) {
        out.push_back({cut.right, top, r.right, bottom});
    }
}

} // namespace

Region::Region(const RECT& rect) {
    if (!Empty(rect)) {
        m_rects.push_back(rect);
    }
}

RECT Region::Bounds() const {
    if (m_rects.empty()) {
        return {};
    }
    RECT b = m_rects.front();
    for (const RECT& r : m_rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::Contains(int x, int y) const {
    return std::any_of(m_rects.begin(), m_rects.end(), [&](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

bool Region::Intersects(const RECT& rect) const {
    return !Empty(rect) && std::any_of(m_rects.begin(), m_rects.end(),
                                       [&](const RECT& r) { return Overlap(r, rect); });
}

void Region::Union(const RECT& rect) {
    if (Empty(rect)) {
        return;
    }
    // Only the parts of the new rectangle not yet covered are added, keeping rectangles disjoint.
    std::vector<RECT> pieces{rect};
    std::vector<RECT> next;
    for (const RECT& existing : m_rects) {
        if (existing.left <= rect.left && existing.top <= rect.top &&
            existing.right >= rect.right && existing.bottom >= rect.bottom) {
            return;
        }
        // Every piece lies inside rect, so a rectangle apart from rect leaves them all whole; an
        // update region of many rectangles then takes one more without copying its pieces again
        // for each of them.
        if (!Overlap(existing, rect)) {
            continue;
        }
        next.clear();
        for (const RECT& piece : pieces) {
            PushDifference(piece, existing, next);
        }
        pieces.swap(next);
        if (pieces.empty()) {
            return;
        }
    }
    m_rects.insert(m_rects.end(), pieces.begin(), pieces.end());
}

void Region::Union(const Region& other) {
    for (const RECT& r : other.m_rects) {
        Union(r);
    }
}

void Region::Subtract(const RECT& rect) {
    if (Empty(rect) || m_rects.empty()) {
        return;
    }
    std::vector<RECT> out;
    out.reserve(m_rects.size() + 4);
    for (const RECT& r : m_rects) {
        PushDifference(r, rect, out);
    }
    m_rects.swap(out);
}

void Region::AddDisjoint(const RECT& rect) {
    if (!Empty(rect)) {
        m_rects.push_back(rect);
    }
}

// Each rectangle meets only the cuts that can overlap it, found by their tops: regions built
// from rows cut each other in time proportional to their size, not the product of their sizes.
void Region::Subtract(const Region& other) {
    if (m_rects.empty() || other.m_rects.empty()) {
        return;
    }
    std::vector<RECT> cuts = other.m_rects;
    std::sort(cuts.begin(), cuts.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    int64_t tallest = 0;
    for (const RECT& c : cuts) {
        tallest = std::max<int64_t>(tallest, int64_t{c.bottom} - c.top);
    }
    std::vector<RECT> out;
    std::vector<RECT> pieces;
    std::vector<RECT> next;
    for (const RECT& r : m_rects) {
        pieces.assign(1, r);
        // No cut whose top lies at or above r.top - tallest reaches down into r.
        const int64_t lowestTop = int64_t{r.top} - tallest;
        auto it = std::partition_point(cuts.begin(), cuts.end(),
                                       [&](const RECT& c) { return c.top <= lowestTop; });
        for (; it != cuts.end() && it->top < r.bottom && !pieces.empty(); ++it) {
            if (!Overlap(*it, r)) {
                continue;
            }
            next.clear();
            for (const RECT& piece : pieces) {
                PushDifference(piece, *it, next);
            }
            pieces.swap(next);
        }
        out.insert(out.end(), pieces.begin(), pieces.end());
    }
    m_rects.swap(out);
}

void Region::Intersect(const RECT& rect) {
    std::vector<RECT> out;
    for (const RECT& r : m_rects) {
        const RECT i = Intersection(r, rect);
        if (!Empty(i)) {
            out.push_back(i);
        }
    }
    m_rects.swap(out);
}

void Region::Intersect(const Region& other) {
    std::vector<RECT> out;
    // Both sides are disjoint sets, so the pairwise intersections are disjoint too.
    for (const RECT& a : m_rects) {
        for (const RECT& b : other.m_rects) {
            const RECT i = Intersection(a, b);
            if (!Empty(i)) {
                out.push_back(i);
            }
        }
    }
    m_rects.swap(out);
}

// Pinning keeps the rectangles disjoint; those pushed wholly past the range vanish.
void Region::Offset(int dx, int dy) {
    std::vector<RECT> out;
    out.reserve(m_rects.size());
    for (const RECT& r : m_rects) {
        const RECT moved{PinCoordinate(static_cast<long long>(r.left) + dx),
                         PinCoordinate(static_cast<long long>(r.top) + dy),
                         PinCoordinate(static_cast<long long>(r.right) + dx),
                         PinCoordinate(static_cast<long long>(r.bottom) + dy)};
        if (!Empty(moved)) {
            out.push_back(moved);
        }
    }
    m_rects.swap(out);
}

int Region::Complexity() const {
    if (m_rects.empty()) {
        return NULLREGION;
    }
    if (m_rects.size() == 1) {
        return SIMPLEREGION;
    }
    // Pieces may tile a plain rectangle after splits; compare areas with the bounding box.
    const RECT b = Bounds();
    int64_t area = 0;
    for (const RECT& r : m_rects) {
        area += int64_t{r.right - r.left} * (r.bottom - r.top);
    }
    return area == int64_t{b.right - b.left} * (b.bottom - b.top) ? SIMPLEREGION : COMPLEXREGION;
}

bool operator==(const Region& a, const Region& b) {
    Region aMinusB = a;
    aMinusB.Subtract(b);
    if (!aMinusB.IsEmpty()) {
        return false;
    }
    Region bMinusA = b;
    bMinusA.Subtract(a);
    return bMinusA.IsEmpty();
}

} // namespace win::gdi

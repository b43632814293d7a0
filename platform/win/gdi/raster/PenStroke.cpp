#include "platform/win/gdi/raster/PenStroke.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace win::gdi {

namespace {

struct Box {
    LONG top;
    LONG left;
    LONG bottom;
    LONG right;
    auto operator<=>(const Box&) const = default;
};

} // namespace

Region PenStroke(std::span<const PathPixel> path, int width, const RECT& bounds) {
    Region stroke;
    if (width < 1 || bounds.left >= bounds.right || bounds.top >= bounds.bottom) {
        return stroke;
    }
    // Each square cut to the bounds; a wide pen's squares mostly cut to the same few boxes.
    const int64_t back = width / 2;
    std::vector<Box> boxes;
    for (const auto& [p, index] : path) {
        const int64_t left = int64_t{p.x} - back;
        const int64_t top = int64_t{p.y} - back;
        const Box box{static_cast<LONG>(std::max<int64_t>(top, bounds.top)),
                      static_cast<LONG>(std::max<int64_t>(left, bounds.left)),
                      static_cast<LONG>(std::min<int64_t>(top + width, bounds.bottom)),
                      static_cast<LONG>(std::min<int64_t>(left + width, bounds.right))};
        if (box.top < box.bottom && box.left < box.right) {
            boxes.push_back(box);
        }
    }
    std::sort(boxes.begin(), boxes.end());
    boxes.erase(std::unique(boxes.begin(), boxes.end()), boxes.end());

    // Row by row: the spans of the boxes over the row, merged.
    std::vector<const Box*> active;
    std::vector<std::pair<LONG, LONG>> spans;
    size_t next = 0;
    for (LONG y = bounds.top; y < bounds.bottom; ++y) {
        std::erase_if(active, [y](const Box* b) { return b->bottom <= y; });
        for (; next < boxes.size() && boxes[next].top <= y; ++next) {
            active.push_back(&boxes[next]);
        }
        spans.clear();
        for (const Box* b : active) {
            spans.emplace_back(b->left, b->right);
        }
        std::sort(spans.begin(), spans.end());
        for (size_t i = 0; i < spans.size();) {
            const LONG start = spans[i].first;
            LONG end = spans[i].second;
            for (++i; i < spans.size() && spans[i].first <= end; ++i) {
                end = std::max(end, spans[i].second);
            }
            stroke.AddDisjoint(RECT{start, y, end, y + 1});
        }
    }
    return stroke;
}

} // namespace win::gdi

#include "propertylist/control/ScrollScale.h"

#include <algorithm>

namespace attrgrid {

namespace {
constexpr int64_t kBarRange = 32767;
} // namespace

ScrollScale ScrollScale::For(int64_t visibleRows, int64_t page) {
    ScrollScale scale;
    scale.span = std::max<int64_t>(visibleRows - page, 0);
    scale.rowsPerUnit =
        static_cast<int32_t>(std::max<int64_t>((scale.span + kBarRange - 1) / kBarRange, 1));
    return scale;
}

int16_t ScrollScale::Max() const {
    return static_cast<int16_t>((span + rowsPerUnit - 1) / rowsPerUnit);
}

int16_t ScrollScale::LargeChange(int64_t page) const {
    return static_cast<int16_t>(std::clamp<int64_t>(page / rowsPerUnit, 1, kBarRange));
}

int64_t ScrollScale::RowOffset(int32_t value) const {
    return std::min<int64_t>(static_cast<int64_t>(value) * rowsPerUnit, span);
}

} // namespace attrgrid

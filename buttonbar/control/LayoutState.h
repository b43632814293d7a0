#pragma once

#include "platform/win/WinTypes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace shelfstrip {

// A cell side taken from the user's size or from the pictures is at most this many pixels: a
// larger cell shows no more than its corner on any screen.
inline constexpr int32_t kMaxCellPixels = 0x7FFF;

// Button coordinates are kept within +-2^30, so a cell added to one stays in 32 bits however many
// lines lie before it; only buttons farther than that from the area are moved closer.
inline int32_t PinnedCoordinate(int64_t value) {
    constexpr int64_t kFarthest = int64_t{1} << 30;
    return static_cast<int32_t>(std::clamp(value, -kFarthest, kFarthest));
}

// What a layout pass of the button bar leaves for painting and input, all in pixels. The grid
// holds, per line and position, the 1-based position of the button in its group's collection (0
// for an empty cell); reads outside it give 0.
struct LayoutState {
    int32_t groupBarHeight = 0;
    win::RECT upLeftArrow{};
    win::RECT downRightArrow{};
    win::RECT closeButton{};
    int32_t scrollMax = 0;
    int32_t firstVisibleLine = 0;
    int32_t buttonsPerLine = 1;
    std::vector<std::vector<int32_t>> buttonGrid;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t maxPictureWidth = 0;
    int32_t maxPictureHeight = 0;
    int32_t captionHeight = 0;
    // The keyboard's cell in the grid (line, position).
    int32_t keyLine = 0;
    int32_t keyPosition = 0;

    int32_t GridLines() const { return static_cast<int32_t>(buttonGrid.size()); }
    int32_t GridCell(int32_t line, int32_t position) const {
        if (line < 0 || line >= GridLines() || position < 0 ||
            position >= static_cast<int32_t>(buttonGrid[static_cast<size_t>(line)].size()))
            return 0;
        return buttonGrid[static_cast<size_t>(line)][static_cast<size_t>(position)];
    }
};

} // namespace shelfstrip

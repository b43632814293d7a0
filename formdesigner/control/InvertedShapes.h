#pragma once

#include "platform/win/WinTypes.h"

#include <optional>
#include <vector>

namespace layoutdesk {

// The inverting shapes a gesture has on the screen now, in the designer's client pixels: drag
// frames (rectangles or Line segments, drawn with R2_NOT) and the rubber band (drawn with
// R2_XORPEN). Drawing a shape again restores the pixels, so each pass erases exactly what is
// recorded here and records what it draws; nothing is left behind whatever the host does between
// passes.
class InvertedShapes {
public:
    struct Frame {
        win::RECT pixels;
        bool line = false;
    };

    void AddFrame(const win::RECT& pixels, bool line) { m_frames.push_back({pixels, line}); }
    // The frames on the screen, forgotten here: the caller erases them.
    std::vector<Frame> TakeFrames();
    void SetBand(const win::RECT& pixels) { m_band = pixels; }
    std::optional<win::RECT> TakeBand();
    bool Empty() const { return m_frames.empty() && !m_band; }
    const std::vector<Frame>& Frames() const { return m_frames; }
    const std::optional<win::RECT>& Band() const { return m_band; }
    // Drops the record without erasing; the caller repaints what may still show.
    void Forget();

private:
    std::vector<Frame> m_frames;
    std::optional<win::RECT> m_band;
};

} // namespace layoutdesk

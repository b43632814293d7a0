#include "formdesigner/control/InvertedShapes.h"

#include <utility>

namespace layoutdesk {

std::vector<InvertedShapes::Frame> InvertedShapes::TakeFrames() {
    return std::exchange(m_frames, {});
}

std::optional<win::RECT> InvertedShapes::TakeBand() {
    return std::exchange(m_band, std::nullopt);
}

void InvertedShapes::Forget() {
    m_frames.clear();
    m_band.reset();
}

} // namespace layoutdesk

#pragma once

#include "platform/win/gdi/OwnedObject.h"

#include <optional>

namespace shared {

// One cached solid brush and its colour. A new brush has no colour, so it matches none.
class CBrush {
public:
    win::HBRUSH hBrush() const { return m_brush.Get(); }
    bool isSame(win::COLORREF color) const;
    bool init(win::COLORREF color);
    void UpdateInfo(win::COLORREF color);

private:
    win::OwnedObject<win::HBRUSH> m_brush;
    std::optional<win::COLORREF> m_color;
};

} // namespace shared

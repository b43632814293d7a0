#pragma once

#include <cstdint>

namespace ole {

// Picture kinds as the Type member reports them.
inline constexpr int16_t PICTYPE_NONE = 0;
inline constexpr int16_t PICTYPE_BITMAP = 1;
inline constexpr int16_t PICTYPE_METAFILE = 2;
inline constexpr int16_t PICTYPE_ICON = 3;
inline constexpr int16_t PICTYPE_ENHMETAFILE = 4;

} // namespace ole

#pragma once

#include "platform/win/image/Image.h"

#include <optional>

namespace win::icon {

// The drawings behind LoadIconA's IDI_* ids, made at 32 x 32 or 16 x 16 (other sizes use the
// nearer one): a red disc with a white cross (hand/error), a blue disc with a white "?"
// (question), a yellow triangle with a black outline and "!" (exclamation/warning), a blue disc
// with a white "i" (asterisk/information), and a white window with a blue title bar
// (application). Discs cover the pixels whose centres lie within size / 2 of the centre.
// Letters come from 5 x 7 cell patterns scaled by size / 10 and centred. Outside the shapes
// alpha is 0. Nullopt for unknown ids.
std::optional<image::Image> DrawBuiltinIcon(int iconId, int size);

} // namespace win::icon

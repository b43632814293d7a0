#pragma once

#include "platform/win/icon/Icon.h"

#include <cstddef>
#include <memory>

namespace win::icon {

// The live icons and cursors by handle. Shared (built-in) icons survive DestroyIcon.
class IconTable {
public:
    static HICON Add(Icon icon, bool shared = false);
    static const Icon* Find(HICON handle);
    // False for unknown handles; shared icons stay and report success.
    static bool Destroy(HICON handle);
    // Icons created and not yet destroyed, shared ones excluded.
    static size_t LiveCount();
};

} // namespace win::icon

namespace win::icon {

// A new icon or cursor whose transparency comes from the image's alpha.
HICON CreateFromImage(const image::Image& image, bool isIcon, POINT hotspot = {});

} // namespace win::icon

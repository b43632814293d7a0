#pragma once

#include "platform/win/text/FaceMapping.h"

#include <string>

namespace win::text {

// The file that renders one style of a family, and what FreeType must synthesise because the
// family has no file of that style.
struct FontFile {
    std::string path;
    bool syntheticBold = false;
    bool syntheticOblique = false;
};

// Looks the style up with fontconfig once per process, falling back to the distribution
// package's known paths; empty path when neither has the family.
const FontFile& FindFontFile(FontFamily family, bool bold, bool italic);

} // namespace win::text

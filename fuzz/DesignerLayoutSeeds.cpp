// Seeds for the designer's layout loading: files it saves, and the corrupt inputs its tests use.
#include "DesignerLayout.h"
#include "FuzzSeeds.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    return DesignerLayoutFiles();
}

} // namespace fuzz

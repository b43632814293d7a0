#pragma once

// A layout file loaded by a designer hosted on a shown test form, and the files a designer saves.
// Each call starts and ends on a reset platform.

#include <cstdint>
#include <span>
#include <vector>

namespace fuzz {

void LoadDesignerLayout(std::span<const uint8_t> file);
// A saved empty designer, a frame holding two buttons beside a line, and files cut short, with a
// foreign header, or with contents the bag format refuses.
std::vector<std::vector<uint8_t>> DesignerLayoutFiles();

} // namespace fuzz
